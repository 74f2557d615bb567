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

// Calls show(state) with every state the program sends, reconnecting when the link drops:
// after 1 s, then twice as long each time up to 30 s. When the program no longer takes the
// token, it stops and says so through connected(false, text) instead of asking again.
const tokenChanged = "{{The access token has changed: open this page again from Ovatron.}}";

function followShow(show, connected, wait) {
  const scheme = location.protocol === "https:" ? "wss://" : "ws://";
  const socket = new WebSocket(scheme + location.host + "/api/live?token=" + encodeURIComponent(token));
  let opened = false;
  socket.onopen = () => { opened = true; if (connected) connected(true); };
  socket.onmessage = (message) => show(JSON.parse(message.data));
  socket.onclose = () => {
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

// The scale with its ten steps, the level as a bar and the peak as a marker.
function buildMeter(holder) {
  const scale = element("div", "scale");
  for (let step = 0; step <= 100; step += 10) {
    const tick = element("div", "tick", String(step));
    tick.style.left = step + "%";
    scale.append(tick);
  }
  const bar = element("div", "bar");
  const peak = element("div", "peak");
  const track = element("div", "track");
  track.append(bar, peak);
  holder.append(track, scale);
  return (state) => {
    bar.style.width = state.level + "%";
    peak.style.left = state.peak + "%";
    peak.textContent = state.peak;
  };
}

// The table's rows; with room for only rows rows, the current one always shows.
function drawTable(list, state, rows) {
  let shown = state.table;
  if (rows && shown.length > rows) {
    const current = shown.findIndex((row) => row.current);
    shown = shown.slice(0, rows);
    if (current >= rows) shown[rows - 1] = state.table[current];
  }
  list.replaceChildren(...shown.map((row) => {
    const line = element("li", row.current ? "row current" : "row");
    line.append(element("span", "rank", String(row.rank)), element("span", "name", row.name),
                element("span", "score", String(row.score)));
    return line;
  }));
}
