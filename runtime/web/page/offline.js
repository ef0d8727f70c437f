// Once the program runs and the page has loaded, the service worker keeps
// a copy of the page for offline use. Where it cannot (a page opened from
// a file), the page simply works online only.
Module['postRun'] = function () {
  if (!('serviceWorker' in navigator)) return;
  function register() {
    navigator.serviceWorker.register('sw.js').catch(function () {});
  }
  if (document.readyState === 'complete') {
    register();
  } else {
    addEventListener('load', register);
  }
};
