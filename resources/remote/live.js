// SPDX-FileCopyrightText: 2026 Ovatron Project
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the overlay and the remote: the token, the API, the live state and the drawing of
// the meter and the table. Nothing is loaded from elsewhere.
"use strict";
const token = new URLSearchParams(location.search).get("token") || "";

function api(path, body) {
  return fetch(path, {
    method: "POST",
    headers: { "Authorization": "Bearer " + token, "Content-Type": "application/json" },
    body: JSON.stringify(body || {}),
  });
}

// The live socket while it is open: the page's own connection, which its applause is held as.
let liveSocket = null;

// Holds the applause (down) or lets it go, over the live socket while it is open, so that a
// release always ends this page's own hold and closing the page ends it at once; else posted.
function holdApplause(down) {
  if (liveSocket) liveSocket.send(JSON.stringify({ down: down }));
  else api("/api/applause", { down: down });
}

// Calls show(state) with every state the program sends, reconnecting when the link drops:
// after 1 s, then twice as long each time up to 30 s. When the program no longer takes the
// token, it stops and says so through connected(false, text) instead of asking again.
const tokenChanged = "{{The access token has changed: open this page again from Ovatron.}}";

function followShow(show, connected, wait) {
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  const socket = new WebSocket(scheme + location.host + "/api/live?token=" + encodeURIComponent(token));
  let opened = false;
  socket.onopen = () => { opened = true; liveSocket = socket; if (connected) connected(true); };
  socket.onmessage = (message) => show(JSON.parse(message.data));
  socket.onclose = () => {
    if (liveSocket === socket) liveSocket = null;
    const next = opened ? 1000 : Math.min(2 * (wait || 500), 30000);
    fetch("/api/state", { headers: { "Authorization": "Bearer " + token } }).then((answer) => {
      const refused = answer.status === 401 || answer.status === 429;
      if (connected) connected(false, refused ? tokenChanged : "");
      if (!refused) setTimeout(() => followShow(show, connected, next), next);
    }, () => {
      if (connected) connected(false, "");
      setTimeout(() => followShow(show, connected, next), next);
    });
  };
}

function element(tag, className, text) {
  const made = document.createElement(tag);
  if (className) made.className = className;
  if (text !== undefined) made.textContent = text;
  return made;
}

// Whether the audience may not see this row's score yet (state.hidden names them).
function isHidden(state, row) {
  return (state.hidden || []).includes(row.name);
}

// The scale with its ten steps, the level as a bar and the peak as a marker whose number
// stands above the track, clear of the scale's numbers below it. With hide, a hidden turn
// shows the level moving but neither the peak nor its number.
function buildMeter(holder, hide) {
  const scale = element("div", "scale");
  for (let step = 0; step <= 100; step += 10) {
    const tick = element("div", "tick", String(step));
    tick.style.left = step + "%";
    scale.append(tick);
  }
  const bar = element("div", "bar");
  const peak = element("div", "peak");
  const peakNumber = element("span", "number");
  peak.append(peakNumber);
  const track = element("div", "track");
  track.append(bar, peak);
  holder.append(track, scale);
  return (state) => {
    const current = state.table.find((row) => row.current);
    const secret = hide && current !== undefined && isHidden(state, current);
    bar.style.width = state.level + "%";
    peak.hidden = secret;
    peak.style.left = state.peak + "%";
    peakNumber.textContent = secret ? "" : state.peak;
    // Near the right end the number turns to the left of its mark.
    peak.classList.toggle("end", state.peak > 90);
  };
}

// The table as the audience sees it: with hide, the rows whose scores show, with the places
// the program gave them below the hidden scores, then the hidden rows in their order with "?"
// for rank and score.
function audienceTable(state, hide) {
  if (!hide || !(state.hidden || []).length) return state.table;
  const ranked = state.table.filter((row) => !isHidden(state, row))
    .map((row) => ({ ...row, rank: row.audienceRank }));
  const hidden = state.hidden.map((name) => state.table.find((row) => row.name === name))
    .filter((row) => row !== undefined).map((row) => ({ ...row, rank: "?", score: "?" }));
  return ranked.concat(hidden);
}

// The table's rows; with room for only rows rows, the current one always shows. With hide,
// as the audience sees it (see audienceTable).
function drawTable(list, state, rows, hide) {
  const table = audienceTable(state, hide);
  let shown = table;
  if (rows && shown.length > rows) {
    const current = shown.findIndex((row) => row.current);
    shown = shown.slice(0, rows);
    if (current >= rows) shown[rows - 1] = table[current];
  }
  list.replaceChildren(...shown.map((row) => {
    const line = element("li", row.current ? "row current" : "row");
    line.append(element("span", "rank", String(row.rank)), element("span", "name", row.name),
                element("span", "score", String(row.score)));
    return line;
  }));
}

// The winners' podium: second, first, third from left to right, each place's names and score.
function drawPodium(holder, state) {
  const places = [1, 2, 3].map((rank) => state.table.filter((row) => row.rank === rank));
  holder.replaceChildren(...[1, 0, 2].map((place) => {
    const block = element("div", "place place" + (place + 1));
    const rows = places[place];
    block.append(element("div", "names", rows.map((row) => row.name).join(", ")),
                 element("div", "block", rows.length ? String(rows[0].score) : ""));
    return block;
  }));
}

// A short burst of confetti over holder: pieces that fall once, then go (at most 4 s).
function burstConfetti(holder) {
  const colours = ["#f94144", "#f9c74f", "#43aa8b", "#577590", "#f3722c"];
  const pieces = [];
  for (let index = 0; index < 48; index += 1) {
    const piece = element("i", "confetti");
    piece.style.left = ((index * 37) % 100) + "%";
    piece.style.background = colours[index % colours.length];
    piece.style.animationDelay = ((index * 53) % 1000) + "ms";
    pieces.push(piece);
  }
  holder.append(...pieces);
  setTimeout(() => pieces.forEach((piece) => piece.remove()), 4000);
}
