// The offline copy of the site: every file of this build is cached when the
// worker installs, and served from the cache first, so that after the first
// visit the program starts with the network off. The files are taken from
// what the page has just fetched: each request is revalidated (a 304 brings
// no body), never downloaded a second time. A new build has a new version;
// it waits beside the running one until the page, having said "新版本可用",
// asks it to take over. The build fills in VERSION and FILES.
const VERSION = "@VERSION@";
const FILES = @FILES@;
const CACHE = `bookkeeper-${VERSION}`;

self.addEventListener("install", (event) => {
  event.waitUntil(
    caches.open(CACHE).then((cache) => cache.addAll(FILES.map((f) => new Request(f, { cache: "no-cache" })))),
  );
});

self.addEventListener("message", (event) => {
  if (event.data === "activate") self.skipWaiting();
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith("bookkeeper-") && k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then((cache) =>
      cache.match(request, { ignoreSearch: true }).then((hit) => hit ?? fetch(request)),
    ),
  );
});
