// Opens the collection page in headless Chromium (the DevTools protocol over a pipe,
// no package needed) and holds it against what the program computed:
//   node drive_page.js CHROMIUM PAGE.html EXPECTED.json [--screenshot OUT.png]
// EXPECTED.json: {queries: [{q, ids}], typed: {q, ids}, bar: {deck, set, figure},
// folds: [[text, folded]], modes: {held, missing, spares: [id]}}.
// Exit status 0 when every check holds, 1 when one fails, 77 when no browser starts.
"use strict";
const fs = require("fs");
const http = require("http");
const path = require("path");
const { pathToFileURL } = require("url");
const { launch } = require("./chromium");

const [chromium, pagePath, expectedPath, option, screenshotPath] = process.argv.slice(2);
const expected = JSON.parse(fs.readFileSync(expectedPath, "utf8"));
const pageUrl = pathToFileURL(path.resolve(pagePath)).href;
let browser = null;
let failures = 0;

function finish(status, message) {
  if (message) console.log(message);
  if (!browser) process.exit(status);
  browser.close(() => process.exit(status));
}
const skip = (why) => finish(77, "SKIP: no browser could start (" + why + "); the page test did not run");
function check(what, ok, detail) {
  console.log((ok ? "ok: " : "FAILED: ") + what + (ok || detail === undefined ? "" : ": " + detail));
  if (!ok) ++failures;
}
const send = (...args) => browser.send(...args);
const openTab = (...args) => browser.openTab(...args);
const shownIds = "Array.from(document.querySelectorAll('#list tbody tr')).filter((r) => !r.hidden).map((r) => r.cells[4].textContent)";
const sameList = (a, b) => a.length === b.length && a.every((x, i) => x === b[i]);

async function typeKeys(tab, text) {
  const times = [];
  for (const key of text) {
    await tab.evaluate("delete document.documentElement.dataset.narrowMs");
    await send("Input.dispatchKeyEvent", { type: "keyDown", key, text: key, unmodifiedText: key }, tab.sessionId);
    await send("Input.dispatchKeyEvent", { type: "keyUp", key }, tab.sessionId);
    times.push(await tab.evaluate("new Promise((resolve) => { const until = performance.now() + 10000; const poll = () => { const page = document.documentElement.dataset; if (page.narrowMs) resolve(page.narrowMs + ' ms (script ' + page.scriptMs + ' ms)'); else if (performance.now() > until) resolve(null); else setTimeout(poll, 5); }; poll(); })"));
  }
  return times;
}

async function main() {
  if (!chromium) skip("no chromium found when the tests were configured");
  browser = launch(chromium, (why, answered) => (answered ? finish(1, "FAILED: the browser went away: " + why) : skip(why)));
  const started = await browser.started();
  if (started !== true) return skip(started.message);

  // Network requests: a server of our own, which a page without the policy can reach.
  let hits = 0;
  const server = http.createServer((request, response) => { ++hits; response.end("x"); });
  await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
  const target = "http://127.0.0.1:" + server.address().port + "/";
  // The same probe on a copy of the page without its policy must reach the server,
  // or the check on the page itself would prove nothing.
  const probe = "new Promise((resolve) => { const refused = []; document.addEventListener('securitypolicyviolation', (e) => refused.push(e.effectiveDirective));" +
    "const image = new Image(); image.src = '" + target + "image.png';" +
    "fetch('" + target + "fetch', { mode: 'no-cors' }).then(() => 'sent', () => 'refused').then((f) => setTimeout(() => resolve(f + ' ' + refused.sort().join(',')), 300)); })";
  const unguarded = path.join(browser.profile, "without-policy.html");
  fs.writeFileSync(unguarded, fs.readFileSync(pagePath, "utf8").replace(/<meta http-equiv="Content-Security-Policy"[^>]*>/, ""));
  const control = await (await openTab(pathToFileURL(unguarded).href)).evaluate(probe);
  check("the page without its policy reaches the test's server", control === "sent " && hits === 2, control + ", " + hits + " requests");

  for (const { q, ids } of expected.queries) {
    const tab = await openTab(pageUrl + "#q=" + encodeURIComponent(q));
    const shown = await tab.evaluate(shownIds);
    check("#q=" + q + " shows the " + ids.length + " cards the program's folding finds", sameList(shown, ids),
      shown.length + " shown, first " + shown.slice(0, 5).join(" "));
  }

  const withoutScript = await (await openTab(pageUrl + "#q=zzz", false)).evaluate("[" + shownIds + ".length, document.querySelector('.controls').hidden]");
  check("without script the page shows every card and no search controls", withoutScript[0] === 1674 && withoutScript[1] === true, JSON.stringify(withoutScript));

  const tab = await openTab(pageUrl);
  const bar = expected.bar;
  const figure = await tab.evaluate("document.querySelectorAll('.deck')[" + bar.deck + "].querySelector('details[data-set=\"" + bar.set + "\"] > summary .fig').textContent");
  check("deck " + (bar.deck + 1) + "'s bar for " + bar.set + " is stats' figure " + bar.figure, figure === bar.figure, figure);

  const folds = await tab.evaluate("(" + JSON.stringify(expected.folds) + ").filter(([c, f]) => window.cardholdFold(c) !== f).map(([c, f]) => c + ' -> ' + JSON.stringify(window.cardholdFold(c)) + ', not ' + JSON.stringify(f))");
  check("the script folds all " + expected.folds.length + " test texts (every Windows-1252 character) as the program does", folds.length === 0, folds.join("; "));

  const elsewhere = tab.requests.filter((url) => !url.startsWith("file:"));
  check("loading the page asked for nothing but the file itself", elsewhere.length === 0, elsewhere.join(" "));
  const before = hits;
  const outcome = await tab.evaluate(probe);
  check("the page's policy refuses a fetch and an image", outcome === "refused connect-src,img-src" && hits === before, outcome + ", " + (hits - before) + " requests reached the server");

  await tab.evaluate("document.getElementById('q').focus()");
  const typed = expected.typed;
  const times = await typeKeys(tab, typed.q);
  const shown = await tab.evaluate(shownIds);
  check("typing " + typed.q + " narrows to the " + typed.ids.length + " cards the program finds", sameList(shown, typed.ids), shown.length + " shown");
  check("the page measured each narrowing, from the key to the next frame drawn", times.every((t) => t !== null), "");
  console.log("narrowing: " + times.join(", "));

  if (option === "--screenshot") {
    // Deck 1's and the collection's third set opened, the search typed above.
    await tab.evaluate("document.querySelectorAll('.deck details').forEach((d, i) => { if (i === 2 || i === 37) d.open = true; }); window.scrollTo(0, 0)");
    const height = await tab.evaluate("Math.min(document.documentElement.scrollHeight, 1500)");
    const { data } = await send("Page.captureScreenshot", { format: "png", captureBeyondViewport: true, clip: { x: 0, y: 0, width: 1280, height, scale: 1 } }, tab.sessionId);
    fs.writeFileSync(screenshotPath, Buffer.from(data, "base64"));
    console.log("screenshot: " + screenshotPath);
  }
  // Last, in a tab of its own: a tab sent to the background draws no more frames.
  const buttons = await openTab(pageUrl);
  for (const [mode, ids] of Object.entries(expected.modes)) {
    const shown = await buttons.evaluate("document.querySelector('button[data-mode=\"" + mode + "\"]').click(), " + shownIds);
    check("the " + mode + " button shows the " + ids.length + " cards " + (mode === "missing" ? "wants" : "spares") + " lists", sameList(shown, ids),
      shown.length + " shown, first " + shown.slice(0, 5).join(" "));
  }
  server.close();
  finish(failures === 0 ? 0 : 1, failures === 0 ? "page test passed" : failures + " checks failed");
}
main().catch((error) => finish(1, "FAILED: " + error.stack));
