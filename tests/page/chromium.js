// Headless Chromium over the DevTools protocol on a pipe (no package, no download),
// shared by the page test and the narrowing measurer.
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");

// Starts the browser in a profile of its own. onGone(why, answered) is told when the
// browser cannot start or goes away (answered: it had replied to something before).
function launch(chromium, onGone) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), "cardhold-chromium-"));
  const browser = spawn(chromium, ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
    "--no-default-browser-check", "--remote-debugging-pipe", "--user-data-dir=" + profile,
    "--window-size=1280,1000", "about:blank"], { stdio: ["ignore", "ignore", "pipe", "pipe", "pipe"] });
  // The protocol: NUL-terminated JSON messages, commands on fd 3, replies on fd 4.
  let nextId = 1;
  let answered = false;
  const pending = new Map();
  const listeners = [];
  browser.on("error", (error) => onGone(error.message, answered));
  browser.stdio[3].on("error", (error) => onGone(error.message, answered));
  let stderr = "";
  browser.stderr.on("data", (data) => { stderr += data; });
  browser.on("exit", (code) => {
    for (const { reject } of pending.values()) reject(new Error("browser exited " + code + ": " + stderr.slice(-400)));
  });
  let buffered = "";
  browser.stdio[4].on("data", (data) => {
    buffered += data.toString("utf8");
    let end;
    while ((end = buffered.indexOf("\0")) >= 0) {
      const message = JSON.parse(buffered.slice(0, end));
      answered = true;
      buffered = buffered.slice(end + 1);
      if (message.id !== undefined && pending.has(message.id)) {
        const { resolve, reject } = pending.get(message.id);
        pending.delete(message.id);
        if (message.error) reject(new Error(JSON.stringify(message.error))); else resolve(message.result);
      } else {
        for (const listener of listeners.slice()) listener(message);
      }
    }
  });
  const send = (method, params = {}, sessionId) => {
    const id = nextId++;
    browser.stdio[3].write(JSON.stringify({ id, method, params, sessionId }) + "\0");
    return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
  };
  // Resolves true once the browser answers, or with the error that kept it from it.
  const started = () => Promise.race([send("Browser.getVersion").then(() => true, (e) => e),
    new Promise((resolve) => setTimeout(() => resolve(new Error("no answer in 60 s")), 60000))]);

  // A new tab on `url`, loaded with or without script; `before` runs in it before the
  // page's own script.
  const openTab = async (url, script = true, before = null) => {
    const { targetId } = await send("Target.createTarget", { url: "about:blank" });
    const { sessionId } = await send("Target.attachToTarget", { targetId, flatten: true });
    const requests = [];
    let loaded;
    const load = new Promise((resolve) => { loaded = resolve; });
    listeners.push((m) => {
      if (m.sessionId !== sessionId) return;
      if (m.method === "Network.requestWillBeSent") requests.push(m.params.request.url);
      if (m.method === "Page.loadEventFired") loaded();
    });
    await send("Page.enable", {}, sessionId);
    await send("Network.enable", {}, sessionId);
    if (before) await send("Page.addScriptToEvaluateOnNewDocument", { source: before }, sessionId);
    await send("Emulation.setScriptExecutionDisabled", { value: !script }, sessionId);
    await send("Page.navigate", { url }, sessionId);
    await load;
    await send("Emulation.setScriptExecutionDisabled", { value: false }, sessionId);
    const evaluate = async (expression) => {
      const reply = await send("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true }, sessionId);
      if (reply.exceptionDetails) throw new Error(expression + ": " + JSON.stringify(reply.exceptionDetails));
      return reply.result.value;
    };
    return { sessionId, requests, evaluate };
  };

  // Closed as a user closes it, so that it ends its helper processes too; then the
  // profile goes.
  const close = (done) => {
    const removeProfile = () => {
      // The browser's helper processes may still be leaving the profile for a moment.
      fs.rmSync(profile, { recursive: true, force: true, maxRetries: 20, retryDelay: 100 });
      done();
    };
    if (browser.exitCode !== null || browser.signalCode !== null) return removeProfile();
    browser.on("exit", removeProfile);
    browser.stdio[3].write(JSON.stringify({ id: nextId++, method: "Browser.close" }) + "\0");
    setTimeout(() => browser.kill("SIGKILL"), 10000).unref();
  };
  return { profile, send, started, openTab, close, listen: (listener) => listeners.push(listener) };
}

module.exports = { launch };
