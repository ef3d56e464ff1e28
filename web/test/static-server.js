// SPDX-License-Identifier: BSL-1.0
// A static file server on 127.0.0.1 for the page's files, for the browser test.
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");

const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
};

// Resolves with the server once it listens on a free port.
function serve(directory) {
    const server = http.createServer((request, response) => {
        const name = path.basename(decodeURIComponent(new URL(request.url, "http://x").pathname)) || "index.html";
        const file = path.join(directory, name);
        fs.readFile(file, (error, body) => {
            if (error || !types[path.extname(name)]) {
                response.writeHead(404).end();
                return;
            }
            response.writeHead(200, { "Content-Type": types[path.extname(name)] }).end(body);
        });
    });
    return new Promise((resolve) => server.listen(0, "127.0.0.1", () => resolve(server)));
}

module.exports = { serve };
