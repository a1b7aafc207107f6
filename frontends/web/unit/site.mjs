// The page's modules as the build compiled them (scripts/build-web.sh), in
// the site at BOOKKEEPER_SITE or build-web/site/ of the checkout. Only those
// that touch no page when loaded are imported here.
import { dirname, join, resolve } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const repo = resolve(dirname(fileURLToPath(import.meta.url)), "../../..");
const site = process.env.BOOKKEEPER_SITE ?? join(repo, "build-web/site");

export function load(module) {
  return import(pathToFileURL(join(site, module)).href);
}
