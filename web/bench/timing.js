// SPDX-License-Identifier: BSL-1.0
// The playground's figures on this machine: the time from opening the page
// to its first result, and the time per generic decomposition of each line
// of a corpus as the page asks for it (kaurl_web_describe), in Chromium, in
// node (the WebAssembly driver) and natively (the native driver).
//
//   node timing.js PAGE-DIR WASM-DRIVER NATIVE-DRIVER CORPUS [ROUNDS]
"use strict";
const { execFileSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const { chromium } = require("playwright-core");
const { withPage } = require("../test/page-session");

const [pageDir, wasmDriver, nativeDriver, corpus, roundsText = "2000"] = process.argv.slice(2);
const rounds = Number(roundsText);
const lines = fs.readFileSync(corpus, "utf8").split("\n").filter((line) => line !== "");
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function firstResult(context, url) {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector("body.ready");
    const time = await page.evaluate(() => performance.getEntriesByName("kaurl-first-result")[0].startTime);
    await page.close();
    return time;
}

async function browserNanoseconds(context, url) {
    const page = await context.newPage();
    await page.goto(url);
    await page.waitForSelector("body.ready");
    const time = await page.evaluate(async ([texts, count]) => {
        const api = self.KaurlApi.wrap(await createKaurlModule());
        texts.forEach((text) => api.describe(text, "uri", false));
        const start = performance.now();
        for (let round = 0; round < count; ++round) {
            texts.forEach((text) => api.describe(text, "uri", false));
        }
        return ((performance.now() - start) * 1e6) / (count * texts.length);
    }, [lines, rounds]);
    await page.close();
    return time;
}

// [decomposition alone, the page's answer], in nanoseconds.
function driverNanoseconds(command, args) {
    const output = execFileSync(command, [...args, "time", corpus, String(rounds)], { encoding: "utf8" });
    return output.split(" ").slice(0, 2).map(Number);
}

function medians(runs) {
    return [0, 1].map((column) => median(runs.map((run) => run[column])));
}

async function main() {
    await withPage(chromium, pageDir, async (context, url) => {
        const loads = [];
        for (let i = 0; i < 5; ++i) {
            loads.push(await firstResult(context, url));
        }
        const runs = [];
        for (let i = 0; i < 3; ++i) {
            runs.push(await browserNanoseconds(context, url));
        }
        const browser = median(runs);
        const node = medians([0, 1, 2].map(() => driverNanoseconds(process.execPath, [wasmDriver])));
        const native = medians([0, 1, 2].map(() => driverNanoseconds(nativeDriver, [])));
        const module = path.join(pageDir, "kaurl.js");
        const bytes = fs.statSync(module).size;
        const gzipped = require("zlib").gzipSync(fs.readFileSync(module), { level: 9 }).length;
        console.log("module kaurl.js: " + bytes + " bytes, " + gzipped + " gzipped");
        console.log("first result after the page opens: " + median(loads).toFixed(0) + " ms (median of 5)");
        console.log("per decomposition (" + lines.length + " lines x " + rounds + " rounds, median of 3):");
        const us = (nanoseconds) => (nanoseconds / 1000).toFixed(2) + " us";
        const ratio = (a, b) => (a / b).toFixed(2);
        console.log("  decomposition alone (kaurl::URI): node " + us(node[0]) + ", native " + us(native[0]) +
            "; node/native " + ratio(node[0], native[0]));
        console.log("  the page's answer (kaurl_web_describe): Chromium " + us(browser) + " (from JavaScript), node " +
            us(node[1]) + ", native " + us(native[1]) + "; Chromium/native " + ratio(browser, native[1]) +
            ", node/native " + ratio(node[1], native[1]));
    });
}

main().catch((error) => {
    console.error("timing: " + error.message);
    process.exit(1);
});
