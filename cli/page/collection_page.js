
"use strict";
(() => {
  const table = JSON.parse(document.getElementById("fold-table").textContent);
  const fold = (text) => {
    let folded = "";
    // Accents typed as combining marks: those of the code page's letters join them,
    // the rest are dropped, as the program drops them from typed names.
    for (const c of text.normalize("NFC").replace(/[\u0300-\u036f]/g, "").replace(/ +$/, "")) {
      const to = table[c];
      folded += to === undefined ? c : to;
    }
    return folded;
  };
  window.cardholdFold = fold;

  const rows = Array.from(document.querySelectorAll("#list tbody tr"));
  const groups = Array.from(document.querySelectorAll("#list tbody"));
  const groupOf = rows.map((row) => groups.indexOf(row.parentElement));
  const groupCounts = groups.map((group) => group.rows.length);
  const groupHeights = groupCounts.slice();
  const shownNow = rows.map(() => true);
  const keys = rows.map((row) => row.dataset.f);
  const totals = rows.map((row) => Number(row.dataset.t));
  const goals = rows.map((row) => (row.dataset.g === undefined ? null : Number(row.dataset.g)));
  const input = document.getElementById("q");
  const shown = document.getElementById("shown");
  const buttons = Array.from(document.querySelectorAll("button[data-mode]"));
  const timing = document.getElementById("timing");
  let mode = "all";

  const keep = {
    all: () => true,
    held: (i) => totals[i] > 0,
    missing: (i) => (goals[i] === null ? totals[i] === 0 : totals[i] < goals[i]),
    spares: (i) => (goals[i] === null ? totals[i] > 1 : totals[i] > goals[i]),
  };

  const rowHeight = parseFloat(getComputedStyle(document.getElementById("list")).getPropertyValue("--row"));
  const skipped = groups.map(() => false);
  // Given back: in the frame after the narrowing every group a screen or more away
  // (which the browser keeps skipped, at no cost), then those nearer two a frame.
  let toRelease = [], farAway = [], releasing = false;
  const unskip = (g) => {
    skipped[g] = false;
    groups[g].classList.remove("far");
  };
  const release = () => {
    releasing = toRelease.length + farAway.length > 0;
    if (!releasing) return;
    requestAnimationFrame(() => setTimeout(() => {
      farAway.forEach(unskip);
      farAway = [];
      for (let n = 0; n < 2 && toRelease.length > 0; ++n) unskip(toRelease.pop());
      release();
    }));
  };
  // One who scrolls at once is given every group back at once (a group kept skipped
  // would stay empty on the screen).
  addEventListener("scroll", () => {
    toRelease.concat(farAway).forEach(unskip);
    toRelease = farAway = [];
  }, { passive: true });
  const narrow = () => {
    const groupsTop = groups[0].getBoundingClientRect().top;
    const wanted = fold(input.value.replace(/[\r\n]/g, ""));
    const pass = keep[mode];
    let count = 0;
    for (let i = 0; i < rows.length; ++i) {
      const show = (wanted === "" || keys[i].includes(wanted)) && pass(i);
      if (shownNow[i] !== show) {
        shownNow[i] = show;
        rows[i].hidden = !show;
        groupCounts[groupOf[i]] += show ? 1 : -1;
      }
      count += show;
    }
    // Groups the narrowing leaves off the screen are kept skipped for its frame (the
    // browser finds out only after a frame which groups came near the screen, and
    // would lay out all those near it before), then handed back to content-visibility
    // (release), so that no later frame does it all at once.
    let top = groupsTop;
    const below = [], above = [];
    farAway = [];
    for (let g = 0; g < groups.length; ++g) {
      if (groupHeights[g] !== groupCounts[g]) {
        groupHeights[g] = groupCounts[g];
        groups[g].style.setProperty("--rows", groupCounts[g]);
      }
      const bottom = top + groupCounts[g] * rowHeight;
      const off = bottom < 0 || top > innerHeight;
      if (off !== skipped[g]) {
        skipped[g] = off;
        groups[g].classList.toggle("far", off);
      }
      if (off && groupCounts[g] > 0)
        (Math.max(-bottom, top - innerHeight) >= innerHeight ? farAway : bottom < 0 ? above : below).push(g);
      top = bottom;
    }
    toRelease = above.concat(below.reverse()); // taken from the end: nearest below first
    if (!releasing) release();
    shown.textContent = count + " of " + rows.length + " cards";
    document.documentElement.dataset.shown = count;
  };

  // From the key to the next frame drawn: the frame's callbacks run before it is
  // drawn, a message posted from one runs after.
  const afterNextFrame = (since, what) => {
    requestAnimationFrame(() => {
      const channel = new MessageChannel();
      channel.port1.onmessage = () => {
        const ms = performance.now() - since;
        document.documentElement.dataset.narrowMs = ms.toFixed(2);
        timing.textContent = what + " in " + ms.toFixed(1) + " ms from the key to the next frame drawn ("
          + document.documentElement.dataset.scriptMs + " ms of it in the script), "
          + document.documentElement.dataset.shown + " of " + rows.length + " rows shown.";
      };
      channel.port2.postMessage(0);
    });
  };

  // The search goes into the address (so it can be sent as a link) once typing
  // pauses: a same-page navigation on every key would cost more than the narrowing.
  let addressTimer = 0;
  const keepInAddress = () => {
    clearTimeout(addressTimer);
    addressTimer = setTimeout(() => {
      try {
        history.replaceState(null, "", input.value === "" ? location.pathname : "#q=" + encodeURIComponent(input.value));
      } catch (e) { /* some browsers refuse it for a page opened from disk */ }
    }, 600);
  };

  let keyAt = null;
  const narrowNow = (since, what) => {
    const t0 = performance.now();
    narrow();
    document.documentElement.dataset.scriptMs = (performance.now() - t0).toFixed(2);
    afterNextFrame(since, what);
  };
  input.addEventListener("keydown", (event) => { keyAt = event.timeStamp; });
  input.addEventListener("input", (event) => {
    const since = keyAt === null ? event.timeStamp : keyAt;
    keyAt = null;
    keepInAddress();
    narrowNow(since, "The last search narrowed the table");
  });
  for (const button of buttons)
    button.addEventListener("click", (event) => {
      mode = button.dataset.mode;
      for (const other of buttons) other.setAttribute("aria-pressed", String(other === button));
      narrowNow(event.timeStamp, button.textContent + " narrowed the table");
    });

  const fromAddress = () => {
    const hash = location.hash;
    if (!hash.startsWith("#q=")) return;
    try {
      input.value = decodeURIComponent(hash.slice(3).replace(/\+/g, " "));
    } catch (e) {
      input.value = hash.slice(3);
    }
    narrow();
  };
  window.addEventListener("hashchange", fromAddress);
  document.querySelector(".controls").hidden = false;
  narrow();
  fromAddress();
})();
