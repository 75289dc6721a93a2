// The status page's script: asks /api/printers every second and shows each
// printer on a card of its own.  Whatever a printer or the library says is
// put in as text (textContent), never as markup.
"use strict";

(() => {
  const REFRESH_MS = 1000;
  const cards = new Map();  // printer name -> its card
  const languageChoice = document.getElementById("language");
  let language = new URLSearchParams(location.search).get("lang") || "";
  let timer = 0;
  // A change of language makes the answers still on their way stale.
  let generation = 0;

  function part(card, name) {
    return card.querySelector("." + name);
  }

  // A list item of spans, one per [class, text] with a text.
  function item(parts) {
    const li = document.createElement("li");
    for (const [name, text] of parts) {
      if (text === null || text === undefined || text === "") continue;
      const span = document.createElement("span");
      span.className = name;
      span.textContent = text;
      li.append(span);
    }
    return li;
  }

  function fill(list, items, none) {
    if (items.length === 0) {
      const empty = item([["none", none]]);
      list.replaceChildren(empty);
    } else {
      list.replaceChildren(...items);
    }
  }

  function cardOf(name) {
    let card = cards.get(name);
    if (!card) {
      card = document.getElementById("printer-card").content.firstElementChild.cloneNode(true);
      card.dataset.name = name;
      part(card, "name").textContent = name;
      document.getElementById("printers").append(card);
      cards.set(name, card);
    }
    return card;
  }

  function stateOf(printer) {
    if (printer.outcome === "waiting") return "waiting";
    if (printer.record.noResponse) return "no-response";
    return printer.record.hasError ? "error" : "ready";
  }

  function showHeadings(card, words) {
    part(card, "engine-heading").textContent = words.engineStatus;
    part(card, "trays-heading").textContent = words.inputTrays;
    part(card, "bins-heading").textContent = words.outputBins;
    part(card, "options-heading").textContent = words.options;
  }

  function showPicture(card, printer) {
    const picture = part(card, "picture");
    picture.hidden = !printer.picture;
    // A new address only when the picture changed: no flicker, no needless load.
    if (printer.picture && picture.getAttribute("src") !== printer.picture) picture.src = printer.picture;
    picture.alt = printer.texts.short;
  }

  function showPrinter(printer, words) {
    const card = cardOf(printer.name);
    card.className = "printer " + stateOf(printer);
    card.dataset.polls = printer.polls;
    showHeadings(card, words);
    card.dataset.outcome = printer.outcome;
    const waiting = printer.outcome === "waiting";
    for (const section of card.querySelectorAll("section, .picture, .identity")) section.hidden = waiting;
    if (waiting) return;
    const record = printer.record;
    // The description names the model too, as printers word it.
    part(card, "identity").textContent = record.description || record.model || record.maker || "";
    showPicture(card, printer);
    part(card, "short").textContent = printer.texts.short;
    part(card, "long").textContent = printer.texts.long;
    fill(part(card, "engine"),
         record.engineStatus.map((status) => item([["code", String(status.code)], ["text", status.text]])),
         words.none);
    fill(part(card, "trays"),
         printer.trays.map((tray) => item([["item-name", tray.name], ["size", tray.paperSize], ["level", tray.level],
                                           ["media", tray.media], ...tray.flags.map((flag) => ["flag", flag])])),
         words.none);
    fill(part(card, "bins"),
         printer.outputBins.map((bin) => item([["item-name", bin.name], ["state", bin.state]])), words.none);
    fill(part(card, "options"), printer.options.map((option) => item([["option", option.name]])), words.none);
    part(card, "polled").textContent = printer.time;
  }

  function showLanguages(answer) {
    if (languageChoice.options.length !== answer.languages.length) {
      languageChoice.replaceChildren(...answer.languages.map((l) => new Option(l.name, l.code)));
    }
    languageChoice.value = answer.language;
    const shown = answer.languages.find((l) => l.code === answer.language);
    document.documentElement.lang = shown ? shown.tag : "";
    document.title = answer.words.title;
    document.getElementById("title").textContent = answer.words.title;
    document.getElementById("language-label").textContent = answer.words.language;
  }

  function showProblem(text) {
    const problem = document.getElementById("problem");
    problem.textContent = text;
    problem.hidden = !text;
  }

  async function refresh() {
    clearTimeout(timer);
    const asked = generation;
    try {
      const query = language ? "?lang=" + encodeURIComponent(language) : "";
      const response = await fetch("/api/printers" + query, {cache: "no-store"});
      if (!response.ok) throw new Error(response.status + ": " + (await response.text()).trim());
      const answer = await response.json();
      if (asked !== generation) return;
      showLanguages(answer);
      for (const printer of answer.printers) showPrinter(printer, answer.words);
      showProblem("");
    } catch (error) {
      if (asked !== generation) return;
      showProblem(error.message);
    }
    timer = setTimeout(refresh, REFRESH_MS);
  }

  languageChoice.addEventListener("change", () => {
    language = languageChoice.value;
    history.replaceState(null, "", "?lang=" + encodeURIComponent(language));
    generation += 1;
    refresh();
  });
  refresh();
})();
