// The page's TypeScript, linted with the recommended rules of ESLint and of
// typescript-eslint, those that need the type checker included (they read
// tsconfig.json). Run by ctest as web.lint.
import js from "@eslint/js";
import tseslint from "typescript-eslint";

export default tseslint.config(
  { ignores: ["node_modules/", "bench/", "tests/", "unit/", "sw.js", "eslint.config.mjs"] },
  js.configs.recommended,
  ...tseslint.configs.recommendedTypeChecked,
  {
    files: ["src/**/*.ts"],
    languageOptions: {
      parserOptions: { projectService: true, tsconfigRootDir: import.meta.dirname },
    },
  },
);
