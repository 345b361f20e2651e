"use strict";

// The engine fetches every file a movie asks for. The page's own files are fetched as
// usual; any other local file is asked of the program, which opens it beneath the movies'
// folder and hands over what it opened, so that a file checked is the file read. The
// engine's fetch cannot reach the program's scheme on Qt 6.4, a request can; its answer
// is made into the response the engine expects, under the address it asked for.
(() => {
  const scheme = moviePolicy.movieScheme;
  const pageFolder = new URL(".", document.baseURI).href;
  const fetchAsUsual = window.fetch.bind(window);

  function programAddress(url) {
    const address = new URL(url);
    if (address.protocol !== "file:" || address.host !== "" || url.startsWith(pageFolder)) return null;
    return scheme + address.pathname;
  }

  window.fetch = (resource, options) => {
    const request = new Request(resource, options);
    const address = programAddress(request.url);
    if (address === null) return fetchAsUsual(request);
    return new Promise((resolve, reject) => {
      const reading = new XMLHttpRequest();
      reading.open("GET", address);
      reading.responseType = "arraybuffer";
      reading.onload = () => {
        const response = new Response(reading.response, { status: reading.status });
        Object.defineProperty(response, "url", { value: request.url });
        resolve(response);
      };
      reading.onerror = reading.onabort = () => reject(new TypeError("Failed to fetch " + request.url));
      reading.send();
    });
  };
})();
