// SPDX-License-Identifier: BSL-1.0
// Serves the page's directory on 127.0.0.1 and opens headless Chromium with a
// fresh profile (KAURL_CHROMIUM names another binary than Debian's); hands both to
// a function and tidies up after it, whatever it does.
"use strict";
const fs = require("fs");
const os = require("os");
const path = require("path");
const { serve } = require("./static-server");

async function withPage(chromium, pageDir, use) {
    const server = await serve(pageDir);
    const url = "http://127.0.0.1:" + server.address().port + "/index.html";
    const profile = fs.mkdtempSync(path.join(os.tmpdir(), "kaurl-chromium-"));
    try {
        const context = await chromium.launchPersistentContext(profile, {
            executablePath: process.env.KAURL_CHROMIUM || "/usr/bin/chromium",
            headless: true,
            args: ["--no-sandbox", "--disable-gpu", "--disable-background-networking",
                "--disable-component-update", "--no-first-run"],
        });
        try {
            await use(context, url);
        } finally {
            await context.close();
        }
    } finally {
        server.close();
        fs.rmSync(profile, { recursive: true, force: true });
    }
}

module.exports = { withPage };
