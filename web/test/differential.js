// SPDX-License-Identifier: BSL-1.0
// The differential check: the WebAssembly build must answer as the native one.
//
//   node differential.js uris WASM-DRIVER NATIVE-TOOL URIS-FILE
//     every line, read by constructor and by Create, gives the same parts,
//     display name and its refusal included, as `kaurl parse --json [--create]`;
//   node differential.js seeds WASM-DRIVER NATIVE-DRIVER CORPUS-DIR
//     every fuzz seed, through every call of the binding, gives the same
//     answers as the native build of the binding; the last two answers for
//     each seed, for a class and a separator that the binding does not know,
//     are null.
"use strict";
const { spawnSync } = require("child_process");
const fs = require("fs");
const path = require("path");
const { isDeepStrictEqual } = require("util");

function run(command, args, input) {
    const result = spawnSync(command, args, { input, maxBuffer: 1 << 28 });
    if (result.error || result.status !== 0) {
        const reason = result.error ? result.error.message : "exit status " + result.status;
        throw new Error(path.basename(command) + " " + args[0] + " failed: " + reason);
    }
    return result.stdout.toString("utf8").split("\n").filter((line) => line !== "");
}

function runWasm(driver, args) {
    return run(process.execPath, [driver, ...args]);
}

function compareUris(wasmDriver, tool, urisFile) {
    const input = fs.readFileSync(urisFile);
    let compared = 0;
    for (const reading of ["constructor", "create"]) {
        const native = run(tool, ["parse", "--json", ...(reading === "create" ? ["--create"] : [])], input);
        const wasm = runWasm(wasmDriver, ["lines", reading, urisFile]);
        if (native.length !== wasm.length) {
            throw new Error(reading + ": " + native.length + " answers natively, " + wasm.length + " from WebAssembly");
        }
        native.forEach((line, index) => {
            const expected = JSON.parse(line);
            // The tool's note that Create reads a media URI differently: the
            // page shows both readings side by side instead.
            delete expected.create_differs;
            const actual = JSON.parse(wasm[index]);
            if (!isDeepStrictEqual(expected, actual)) {
                const keys = Object.keys(expected).filter((key) => !isDeepStrictEqual(expected[key], actual[key]));
                throw new Error(reading + ", line " + (index + 1) + ": differs in " + keys.join(", "));
            }
            ++compared;
        });
    }
    return compared + " answers for " + urisFile;
}

function seedFiles(directory) {
    return fs.readdirSync(directory, { withFileTypes: true })
        .flatMap((entry) => {
            const full = path.join(directory, entry.name);
            return entry.isDirectory() ? seedFiles(full) : [full];
        })
        .sort();
}

function compareSeeds(wasmDriver, nativeDriver, corpus) {
    const seeds = seedFiles(corpus);
    const native = run(nativeDriver, ["seeds", ...seeds]);
    const wasm = runWasm(wasmDriver, ["seeds", ...seeds]);
    const answersPerSeed = native.length / seeds.length;
    if (native.length !== wasm.length || !Number.isInteger(answersPerSeed)) {
        throw new Error(native.length + " answers natively, " + wasm.length + " from WebAssembly");
    }
    native.forEach((line, index) => {
        if (index % answersPerSeed >= answersPerSeed - 2 && line !== "null") {
            throw new Error("an unknown name gives an answer natively");
        }
        if (line !== wasm[index]) {
            const seed = seeds[Math.floor(index / answersPerSeed)];
            throw new Error("seed " + path.relative(corpus, seed) + ", answer " + (index % answersPerSeed + 1) + " differs");
        }
    });
    return native.length + " answers for " + seeds.length + " seeds";
}

const [mode, ...args] = process.argv.slice(2);
const checks = { uris: compareUris, seeds: compareSeeds };
if (!checks[mode] || args.length !== 3) {
    console.error("usage: node differential.js uris|seeds WASM-DRIVER NATIVE-PROGRAM INPUT");
    process.exit(2);
}
try {
    console.log("same answers from both builds: " + checks[mode](...args));
} catch (error) {
    console.error("differential check: " + error.message);
    process.exit(1);
}
