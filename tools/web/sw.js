// The page's service worker: it keeps the files of one version of the page, so that after
// one visit the game starts without the network. A new version is a new service worker,
// which fetches every file of that version before it takes over, at the next visit: the
// page is never a mix of two versions.
"use strict";
const version = "zentar-@VERSION@";
const files = [@FILES@];

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(version).then((cache) => cache.addAll(files)));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys().then((names) => Promise.all(names
      .filter((name) => name.startsWith("zentar-") && name !== version)
      .map((name) => caches.delete(name)))));
});

self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.open(version)
      .then((cache) => cache.match(event.request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(event.request)));
});
