// SPDX-License-Identifier: BSL-1.0
// Drives the playground page in Debian's Chromium (headless) and checks what
// it shows against the native kaurl tool; saves screenshots.
//
//   node browser.js PAGE-DIR NATIVE-TOOL OUTPUT-DIR
"use strict";
const assert = require("assert/strict");
const { execFileSync } = require("child_process");
const path = require("path");
const { withPage } = require("./page-session");

let chromium;
try {
    ({ chromium } = require("playwright-core"));
} catch (error) {
    console.error("browser test: playwright-core is missing; scripts/web.sh installs it (npm ci)");
    process.exit(1);
}

const [pageDir, tool, outputDir] = process.argv.slice(2);

// One input per class, backslashes, non-ASCII text, and a port that is no number.
const inputs = [
    "http://joe@MyHost:8080/a/b?x=1#top",
    "kamedia://wendelgrid/media/stories/123/ABA00.mxf",
    "kasynthetic://colour-bars?pattern=smpte",
    "file:///C:/media/a.mxf",
    "mailto:newsroom@example.com?subject=Rundown",
    "kamedia://wendelgrid\\media\\a.mxf",
    "kamedia://wendelgrid/médias/reportage/été.mxf",
    "http://host:abc/",
];

function toolLines(args) {
    return execFileSync(tool, args, { encoding: "utf8" }).split("\n").filter((line) => line !== "");
}

// The tool's message on standard error for arguments that it refuses.
function toolError(args) {
    try {
        execFileSync(tool, args, { encoding: "utf8", stdio: "pipe" });
    } catch (error) {
        return error.stderr;
    }
    throw new Error("kaurl " + args[0] + " accepted what it should refuse");
}

// The parts as `kaurl parse --json` gives them, without its note that Create
// reads a media URI differently: the page shows both readings instead.
function toolParse(text, create) {
    const parts = JSON.parse(toolLines(["parse", "--json", ...(create ? ["--create"] : []), "--", text])[0]);
    delete parts.create_differs;
    return parts;
}

// What `kaurl parse --json` shows, as the page writes it in a cell.
function cellText(key, value) {
    if (key === "valid") {
        return value ? "yes" : "no";
    }
    return value === "" ? "(empty)" : String(value);
}

async function readTable(page) {
    return page.$$eval("#parts-body tr", (rows) =>
        rows.map((row) => ({
            key: row.dataset.key,
            cells: [...row.querySelectorAll("td")].map((cell) => cell.textContent),
        }))
    );
}

async function checkDecomposition(page, text) {
    await page.fill("#uri-input", text);
    const rows = await readTable(page);
    const constructed = toolParse(text, false);
    const created = toolParse(text, true);
    const differ = JSON.stringify(constructed) !== JSON.stringify(created);
    const keys = Object.keys(constructed).filter((key) => key !== "input");
    assert.deepEqual(rows.map((row) => row.key), keys, text + ": the rows are the tool's fields");
    for (const row of rows) {
        const expected = [cellText(row.key, constructed[row.key])];
        if (differ) {
            expected.push(cellText(row.key, created[row.key]));
        }
        assert.deepEqual(row.cells, expected, text + ": " + row.key);
    }
    assert.equal(await page.isVisible("#difference"), differ, text + ": the reason shows when the readings differ");
    assert.equal(await page.textContent("#uri-view"), text, text + ": the highlighted view shows the whole text");
    return differ;
}

async function checkForms(page) {
    await page.fill("#compose-mount", "wendelgrid");
    await page.fill("#compose-path", "/news desk/a.mxf");
    assert.equal(await page.textContent("#compose-result"),
        toolLines(["compose", "media", "wendelgrid", "/news desk/a.mxf"])[0]);
    await page.fill("#compose-mount", "");
    assert.match(await page.textContent("#compose-result"), /^Refused/);

    const escaping = "kamedia://wendelgrid/%2E%2E/%2E%2E/etc/passwd";
    await page.fill("#local-uri", escaping);
    await page.fill("#local-mount", "/Volumes/Grid/");
    const [checked, unchecked] = await page.$$eval("#local-result dd", (cells) => cells.map((cell) => cell.textContent));
    const refusal = /^Refused: (.+)\.$/.exec(checked);
    assert.ok(refusal, "a path that leaves the mount path is refused");
    assert.ok(toolError(["substitute", escaping, "/Volumes/Grid/"]).includes(refusal[1]),
        "the page gives the tool's reason");
    assert.equal(unchecked, toolLines(["substitute", "--allow-unsafe", escaping, "/Volumes/Grid/"])[0]);

    const spaced = "kamedia://wendelgrid\\news%20desk\\a.mxf";
    await page.fill("#local-uri", spaced);
    await page.selectOption("#local-separator", "Slash");
    assert.equal(await page.textContent("#local-result dd"),
        toolLines(["substitute", "--separator", "/", spaced, "/Volumes/Grid/"])[0]);
    await page.fill("#local-uri", "kamedia:///no-mount-point.mxf");
    assert.match(await page.textContent("#local-result dd"), /^Refused/);
}

async function checkSelfTest(page) {
    await page.focus("#self-test-run");
    await page.keyboard.press("Enter");
    const expected = execFileSync(tool, ["selftest"], { encoding: "utf8" });
    const trace = await page.textContent("#self-test-trace");
    const summary = await page.textContent("#self-test-summary");
    assert.equal(trace + summary + "\n", expected, "the page's self-test shows what kaurl selftest prints");
}

// A link whose inputs hold markup: it must show as text, and nothing of it may run.
async function checkUntrustedLink(context, base) {
    const payload = '<img src=x onerror="window.injected=1;console.log(\'injected\')"></script>' +
        "<script>window.injected=2</script>";
    const page = await open(context, base + "#u=" + encodeURIComponent(payload) +
        "&lu=" + encodeURIComponent(payload) + "&mp=" + encodeURIComponent(payload));
    assert.equal(await page.inputValue("#uri-input"), payload);
    assert.equal(await page.textContent("#uri-view"), payload);
    assert.equal(await page.evaluate(() => typeof window.injected), "undefined");
    assert.equal(await page.$$eval("img", (images) => images.length), 0);
    assert.equal(await page.$$eval("script", (scripts) => scripts.length), 8);
    await page.close();
}

async function checkSharedLink(context, page) {
    const text = "kasynthetic://Importer-7";
    await page.fill("#uri-input", text);
    const shared = await open(context, await page.evaluate(() => location.href));
    assert.equal(await shared.inputValue("#uri-input"), text, "a link opens on the same input");
    await shared.close();
}

const problems = [];

async function open(context, url) {
    const page = await context.newPage();
    page.on("console", (message) => {
        if (message.type() === "error" || message.text().includes("injected")) {
            problems.push(url.slice(0, 40) + ": console " + message.type() + ": " + message.text().slice(0, 200));
        }
    });
    page.on("pageerror", (error) => problems.push(url.slice(0, 40) + ": " + error.message));
    await page.goto(url);
    await page.waitForSelector("body.ready", { timeout: 20000 });
    return page;
}

async function screenshots(context, base) {
    const page = await open(context, base);
    assert.deepEqual(await page.$$eval("input, select", (controls) =>
        controls.filter((control) => control.labels.length === 0).map((control) => control.id)), [],
    "every control has a label");
    await page.click("#self-test-run");
    for (const [width, name] of [[1280, "playground.png"], [375, "playground-375.png"]]) {
        await page.setViewportSize({ width, height: 900 });
        assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth),
            "no sideways scrolling at " + width + " px");
        await page.screenshot({ path: path.join(outputDir, name), fullPage: true });
    }
    await page.close();
}

async function main() {
    await withPage(chromium, pageDir, async (context, base) => {
        const fromFile = await open(context, "file://" + path.resolve(pageDir, "index.html"));
        await fromFile.close();

        const page = await open(context, base);
        const firstResult = await page.evaluate(
            () => performance.getEntriesByName("kaurl-first-result")[0].startTime);
        let differing = 0;
        for (const text of inputs) {
            differing += (await checkDecomposition(page, text)) ? 1 : 0;
        }
        assert.ok(differing > 0, "some input shows constructor and Create side by side");
        await checkForms(page);
        await checkSelfTest(page);
        await checkSharedLink(context, page);
        await checkUntrustedLink(context, base);
        await screenshots(context, base);
        assert.deepEqual(problems, [], "no script errors, console errors or injected output");
        console.log("browser test: " + inputs.length + " inputs, forms, self-test, links and screenshots " +
            "checked; first result " + firstResult.toFixed(0) + " ms after the page opened");
    });
}

main().catch((error) => {
    console.error("browser test: " + error.message);
    process.exit(1);
});
