// Measures how long the collection page takes to narrow its table, from the key or
// click to the next frame drawn, in headless Chromium:
//   node measure_narrowing.js CARDHOLD-CLI [CHROMIUM] [ROUNDS] [--ticking]
// Writes a page for a deck file of its own with CARDHOLD-CLI, then, ROUNDS times (20
// unless told), types "a", "m", "b", deletes back to an empty field and presses the
// held, missing, spares and all buttons, as a user does (key and mouse events through
// the browser's input). It times each step itself, with the same listeners whatever
// the page's script does: from the key's (or the button's release) event time to a
// message posted from the next animation frame, which runs once that frame is drawn;
// and the frame after it, so that work put off to it shows. Prints the median and the
// worst of each step. A measuring tool, not a test: it asserts nothing.
"use strict";
const { execFileSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { pathToFileURL } = require("url");
const { launch } = require("./chromium");

const [cli, chromium = "/usr/bin/chromium", roundsText = "20", mode = ""] = process.argv.slice(2);
// --ticking: a frame on every display refresh (an animation of the tool's own), so
// that each narrowing can be told whether it made the display skip a frame.
const ticking = mode === "--ticking";
if (!cli) {
  console.log("usage: node measure_narrowing.js CARDHOLD-CLI [CHROMIUM] [ROUNDS] [--ticking]");
  process.exit(2);
}
const rounds = Number(roundsText);

// Deck 1 holds every third card twice, the next once, the third not at all, so that
// each button shows or hides a third or more of the rows. (A page of one's own, to
// try a change by hand: PAGE.html in place of CARDHOLD-CLI.)
const folder = fs.mkdtempSync(path.join(os.tmpdir(), "cardhold-measure-"));
let pagePath = path.join(folder, "collection.html");
if (cli.endsWith(".html")) {
  pagePath = path.resolve(cli);
} else {
  const deckFile = path.join(folder, "decks.tvn");
  const counts = Buffer.alloc(5 * 1674 * 4);
  for (let card = 0; card < 1674; ++card) counts.writeUInt32LE(2 - (card % 3), card * 4);
  fs.writeFileSync(deckFile, counts);
  execFileSync(cli, ["html", deckFile, "-o", pagePath]);
}

// Installed before the page's own script, so it times any version of the page alike.
const timer = `(() => {
  const measured = (window.cardholdMeasured = []);
  const frames = [];
  const tick = (frameTime) => { frames.push(frameTime); if (frames.length > 1000) frames.splice(0, 500); requestAnimationFrame(tick); };
  if (${ticking}) requestAnimationFrame(tick);
  // Display refreshes lost: the narrowing's frame, finished at \`done\`, is shown at
  // the refresh after it; at best it is shown one refresh after the first refresh
  // that follows the key (the frames' times lie on the refresh grid).
  const skipped = (from, done) => {
    const base = frames[frames.length - 1], period = 1000 / 60;
    const refreshAfter = (t) => base + Math.ceil((t - base) / period) * period;
    return base === undefined ? null : Math.max(0, Math.round((refreshAfter(done) - refreshAfter(from)) / period) - 1);
  };
  let since = null;
  const start = (event) => { since = event.timeStamp; };
  addEventListener("keydown", start, true);
  addEventListener("pointerup", start, true);
  const afterFrame = (then) => requestAnimationFrame(() => afterMessage(then));
  const afterMessage = (then) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => then(performance.now());
    channel.port2.postMessage(0);
  };
  // Busy: the event's handling (to this listener, which runs after the page's) plus
  // the frame's own work (from its callbacks to the message); the rest is waiting for
  // the display's next frame, which comes every 16.7 ms whatever the page does.
  const end = (event) => {
    const from = since, handled = performance.now() - from;
    requestAnimationFrame(() => {
      const frameFrom = performance.now();
      afterMessage((first) => {
        const busy = handled + first - frameFrom;
        const late = ${ticking} ? skipped(from, first) : null;
        // Rows on screen that the frame drew empty (content-visibility had not yet
        // found them on screen). Only boxes outside skipped content are measured, so
        // that the count lays out nothing the page skips.
        let blank = 0;
        const onScreen = (box) => { const r = box.getBoundingClientRect(); return r.height > 0 && r.bottom > 0 && r.top < innerHeight; };
        for (const body of document.querySelectorAll("#list tbody")) {
          if (!onScreen(body)) continue;
          for (const row of body.rows) {
            if (row.hidden) continue;
            if (!row.checkVisibility({ contentVisibilityAuto: true })) ++blank; // its group skipped, on screen
            else if (onScreen(row) && !row.cells[0].checkVisibility({ contentVisibilityAuto: true })) ++blank;
          }
        }
        const checked = performance.now();
        afterFrame((second) => measured.push({ next: first - from, busy, blank, late, following: second - checked }));
      });
    });
  };
  addEventListener("input", end);
  addEventListener("click", (event) => { if (event.target.closest("button")) end(); });
})();`;

// The floor: a key in a text field of the tool's own, which narrows nothing.
const steps = [
  ["floor", "key, no narrowing"], ["a", "type a"], ["m", "type m (am)"], ["b", "type b (amb)"],
  ["Backspace", "delete (am)"], ["Backspace", "delete (a)"], ["Backspace", "delete (empty)"],
  ["held", "Held only"], ["missing", "Missing only"], ["spares", "Spares only"], ["all", "All"],
];

const median = (values) => {
  const sorted = values.slice().sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};
const ms = (value) => value.toFixed(1).padStart(6);

async function main() {
  const browser = launch(chromium, (why) => { console.log("the browser went away: " + why); process.exit(1); });
  const started = await browser.started();
  if (started !== true) throw started;
  const version = (await browser.send("Browser.getVersion")).product;
  const tab = await browser.openTab(pathToFileURL(pagePath).href, true, timer);
  const send = (method, params) => browser.send(method, params, tab.sessionId);
  const pause = (time) => new Promise((resolve) => setTimeout(resolve, time));

  const key = async (name) => {
    if (name === "Backspace") {
      const code = { key: name, code: name, windowsVirtualKeyCode: 8, nativeVirtualKeyCode: 8 };
      await send("Input.dispatchKeyEvent", { type: "rawKeyDown", ...code });
      await send("Input.dispatchKeyEvent", { type: "keyUp", ...code });
    } else {
      await send("Input.dispatchKeyEvent", { type: "keyDown", key: name, text: name, unmodifiedText: name });
      await send("Input.dispatchKeyEvent", { type: "keyUp", key: name });
    }
  };
  const click = async (mode) => {
    const { x, y } = await tab.evaluate(`(() => { const r = document.querySelector('button[data-mode="${mode}"]').getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; })()`);
    await send("Input.dispatchMouseEvent", { type: "mouseMoved", x, y });
    await send("Input.dispatchMouseEvent", { type: "mousePressed", x, y, button: "left", clickCount: 1 });
    await send("Input.dispatchMouseEvent", { type: "mouseReleased", x, y, button: "left", clickCount: 1 });
  };

  const results = steps.map(() => ({ next: [], busy: [], following: [], page: [], shown: null, blank: 0, late: [] }));
  for (let round = 0; round < rounds; ++round) {
    for (let step = 0; step < steps.length; ++step) {
      const [what] = steps[step];
      if (what === "floor") await tab.evaluate("window.scrollTo(0, 0); { const floor = document.body.appendChild(document.createElement('textarea')); floor.id = 'floor'; floor.style.cssText = 'position: fixed; bottom: 0; right: 0'; floor.focus(); }");
      if (what === "a") await tab.evaluate("document.getElementById('floor').remove(); document.getElementById('q').focus()");
      const count = await tab.evaluate("window.cardholdMeasured.length");
      await tab.evaluate("delete document.documentElement.dataset.narrowMs");
      if (what === "floor") await key("x"); else if (step < 7) await key(what); else await click(what);
      const measured = await tab.evaluate(`new Promise((resolve) => { const poll = () => window.cardholdMeasured.length > ${count} ? resolve([window.cardholdMeasured[${count}], document.documentElement.dataset.narrowMs || null, document.documentElement.dataset.shown]) : setTimeout(poll, 5); poll(); })`);
      results[step].next.push(measured[0].next);
      results[step].following.push(measured[0].following);
      results[step].busy.push(measured[0].busy);
      results[step].blank += measured[0].blank;
      if (measured[0].late !== null) results[step].late.push(measured[0].late);
      if (measured[1] !== null) results[step].page.push(Number(measured[1]));
      results[step].shown = measured[2];
      await pause(150); // a brisk typist: six or seven keys a second
    }
  }

  console.log(version + ", " + rounds + " rounds; load average " + os.loadavg().map((l) => l.toFixed(2)).join(" "));
  console.log("                          to the next frame   busy in it      page's own      following frame  rows drawn" + (ticking ? "  frames skipped" : ""));
  console.log("step                rows   median   worst   median   worst   median   worst   median   worst   empty" + (ticking ? "      (worst, times)" : ""));
  const all = [], allBusy = [];
  const pair = (values) => (values.length ? ms(median(values)) + "  " + ms(Math.max(...values)) : "     -       -");
  for (let step = 0; step < steps.length; ++step) {
    const { next, busy, following, page, shown, blank, late } = results[step];
    if (step > 0) all.push(...next), allBusy.push(...busy);
    console.log(steps[step][1].padEnd(18) + String(step > 0 ? shown : "-").padStart(6) + "  " + pair(next) + "  " + pair(busy) + "  " + pair(page) + "  " + pair(following) + String(blank).padStart(8) +
      (ticking ? String(Math.max(...late)).padStart(10) + String(late.filter((n) => n > 0).length).padStart(7) : ""));
  }
  console.log("all narrowings".padEnd(24) + "  " + pair(all) + "  " + pair(allBusy) + "   (to the next frame over 16 ms: " + all.filter((t) => t > 16).length + " of " + all.length + "; busy over 16 ms: " + allBusy.filter((t) => t > 16).length + ")");
  browser.close(() => { fs.rmSync(folder, { recursive: true, force: true }); process.exit(0); });
}
main().catch((error) => { console.log(error.stack); process.exit(1); });
