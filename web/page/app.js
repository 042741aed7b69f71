// The page: the window's controls bound to the core by their names, the picture replayed from
// the core's recording, navigation with pointer, wheel and fingers, the trace, the animation,
// worksheets and the offline copy. Every result comes from the core; the page only shows it.
import createPlotwerk from './plotwerk.js';
import { measureText, replay, fontFor } from './replay.js';
import { loadTexts } from './i18n.js';

const $ = (id) => document.getElementById(id);
const TERM_FIELDS = ['ed_f1', 'ed_f2', 'ed_f3', 'ed_f4'];
const DRAW_CHECKS = ['c_f1', 'c_f2', 'c_f3', 'c_f4'];
const CAPTIONS = ['point_b_y_caption', 'point_a_y_caption', 'integral_caption', 'area_caption'];
const ANIMATION_INTERVAL_MS = 25;
const PINCH_STEP = 1.1;  // finger distance ratio per zoom step
const MAX_FIELD_LENGTH = 4000;
const TIMING_SAMPLES = 200;
// The checker's problems in the order of fktint::TermProblem, as the window words them.
const PROBLEM_TEXTS = ['', 'empty term', "unexpected character '%1'", 'missing operand', "malformed number '%1'",
  "unknown function name '%1'", "reserved function name '%1'", "'(' missing after name '%1'", "unmatched '%1'",
  "unmatched '%1', the rest is ignored", 'brackets nested too deeply'];

const texts = await loadTexts();
texts.translatePage(document);
const core = await createPlotwerk({ measureText });
core.setCatalogue(texts.corePairs());
const tr = (context, english, ...args) => texts.tr(context, english, ...args);

const controls = core.controlList();
const picture = $('picture'), overlay = $('overlay'), area = $('area');
const state = { width: 1, height: 1, ratio: 1, animation: null, drag: null, pointers: new Map(), pinch: null, frame: 0 };
// Redraw timings (input to painted canvas, ms) for the benchmarks and the tests.
const timings = [];

function setStatus(message) { $('status-message').textContent = message; }

// The form follows the session; only what changed is touched, so a repaint does not make the
// browser lay out the page again.
function syncForm() {
  for (const { name, kind } of controls) {
    const el = $(name);
    if (!el) continue;
    const value = core.getControl(name);
    if (kind === 'check') {
      if (el.checked !== (value === '1')) el.checked = value === '1';
    } else if (el.value !== value && (el !== document.activeElement || kind === 'number')) {
      el.value = value;
    }
  }
  for (const name of CAPTIONS) setText($(name), core.getControl(name));
  const hidden = core.getControl('Mergebnis_visible') !== '1';
  if ($('memo').hidden !== hidden) $('memo').hidden = hidden;
}

function setText(el, text) {
  if (el.textContent !== text) el.textContent = text;
}

function markField(name) {
  const el = $(name);
  const text = el.value;
  const check = text === '' ? { ok: true } : core.checkTerm(text);
  const message = $(`${name}-error`);
  if (check.ok) {
    el.classList.remove('bad');
    el.removeAttribute('aria-invalid');
    delete el.dataset.errorPosition;
    message.textContent = '';
    return;
  }
  el.classList.add('bad');
  el.setAttribute('aria-invalid', 'true');
  el.dataset.errorPosition = String(check.position);
  const problem = tr('FieldMarks', PROBLEM_TEXTS[check.problem] || check.message, check.detail);
  message.textContent = tr('FieldMarks', 'position %1: %2', String(check.position), problem);
}

function resizeCanvases() {
  const ratio = window.devicePixelRatio || 1;
  const width = Math.max(1, Math.floor(area.clientWidth)), height = Math.max(1, Math.floor(area.clientHeight));
  if (width === state.width && height === state.height && ratio === state.ratio) return false;
  Object.assign(state, { width, height, ratio });
  for (const canvas of [picture, overlay]) {
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
  }
  return true;
}

// The repaint: redraw into a recording, replay it, show the result list.
function paint() {
  const start = performance.now();
  resizeCanvases();
  const record = core.redraw(state.width, state.height);
  replay(picture.getContext('2d'), record, state.width, state.height, state.ratio);
  setText($('result-list'), core.resultList());
  syncForm();
  timings.push(performance.now() - start);
  if (timings.length > TIMING_SAMPLES) timings.shift();
}

// The Draw command (b_zeichnenClick): the term list and P from the fields, then the repaint.
function draw() {
  core.drawCommand();
  paint();
}

let paintRequested = false;
function paintSoon() {
  if (paintRequested) return;
  paintRequested = true;
  requestAnimationFrame(() => { paintRequested = false; paint(); });
}

// --- Controls ------------------------------------------------------------------------------
for (const { name, kind } of controls) {
  const el = $(name);
  if (!el) continue;
  if (kind === 'text') {
    el.maxLength = MAX_FIELD_LENGTH;
    el.addEventListener('input', () => {
      const { selectionStart, selectionEnd } = el;
      const upper = el.value.toUpperCase();
      if (upper !== el.value) {
        el.value = upper;
        el.setSelectionRange(selectionStart, selectionEnd);
      }
      core.setControl(name, el.value);
      if (TERM_FIELDS.includes(name)) markField(name);
      if (name === 'ed_breite') { syncForm(); paint(); }  // the graph width changed
    });
    el.addEventListener('keydown', (e) => { if (e.key === 'Enter') { e.preventDefault(); draw(); } });
  } else if (kind === 'check') {
    el.addEventListener('change', () => {
      core.setControl(name, el.checked ? '1' : '0');
      if (name === 'c_ergebnisliste') {  // the memo follows the box
        core.setControl('Mergebnis_visible', el.checked ? '1' : '0');
        syncForm();
      }
      if (DRAW_CHECKS.includes(name)) draw(); else paint();
    });
  } else if (kind === 'number') {
    el.addEventListener('input', () => {
      if (core.setControl(name, el.value) === '') paint();
    });
  } else if (kind === 'choice') {
    el.addEventListener('input', () => {
      if (core.setControl(name, el.value) === '') paint();
    });
  }
}

$('draw').addEventListener('click', draw);
for (const form of document.querySelectorAll('form:not([method])')) form.addEventListener('submit', (e) => e.preventDefault());
document.addEventListener('keydown', (e) => {
  if (e.key === 'Enter' && e.target === document.body) draw();
});
for (const button of document.querySelectorAll('[data-nav]')) {
  button.addEventListener('click', () => {
    core.navigate(button.dataset.nav);
    button.closest('details')?.removeAttribute('open');
    paint();
  });
}
for (const button of document.querySelectorAll('[data-step]')) {
  button.addEventListener('click', () => {
    core.stepField(button.dataset.step, button.dataset.up === '1');
    paint();
  });
}
for (const [id, order] of [['button_fstrich', 1], ['button_f2strich', 2]]) {
  $(id).addEventListener('click', () => {
    const failure = core.deriveField(order);
    setStatus(failure === '' ? '' : failure === 'too long' ? tr('', 'the derivative would be too long')
      : tr('', '%1: no derivative', failure));
    syncForm();
    markField(order === 1 ? 'ed_f3' : 'ed_f4');
    draw();
  });
}

// --- Animation -----------------------------------------------------------------------------
const animation = { ticks: 0, started: 0, late: 0 };
$('b_animation').addEventListener('click', () => {
  const button = $('b_animation');
  if (state.animation !== null) {
    clearInterval(state.animation);
    state.animation = null;
    button.setAttribute('aria-pressed', 'false');
    return;
  }
  Object.assign(animation, { ticks: 0, started: performance.now(), late: 0 });
  let previous = performance.now();
  state.animation = setInterval(() => {
    const now = performance.now();
    if (now - previous > 2 * ANIMATION_INTERVAL_MS) animation.late += 1;
    previous = now;
    animation.ticks += 1;
    core.animationTick();
    paint();
  }, ANIMATION_INTERVAL_MS);
  button.setAttribute('aria-pressed', 'true');
});

// --- Pointer: pan, wheel and pinch zoom, trace ---------------------------------------------
function localPoint(e) {
  const r = picture.getBoundingClientRect();
  return { x: Math.round(e.clientX - r.left), y: Math.round(e.clientY - r.top) };
}

function drawCross(x, y) {
  const ctx = overlay.getContext('2d');
  ctx.setTransform(state.ratio, 0, 0, state.ratio, 0, 0);
  ctx.clearRect(0, 0, state.width, state.height);
  if (x === undefined) return;
  ctx.strokeStyle = 'rgb(220,0,0)';
  ctx.lineWidth = 1;
  ctx.beginPath();
  ctx.moveTo(x - 5, y + 0.5); ctx.lineTo(x + 6, y + 0.5);
  ctx.moveTo(x + 0.5, y - 5); ctx.lineTo(x + 0.5, y + 6);
  ctx.stroke();
}

function traceAt(p, forced) {
  const t = core.trace(p.x, p.y);
  if (!($('trace-item').checked || forced)) {
    drawCross();
    $('status-position').textContent = tr('MouseStatus', '(%1; %2)', t.x, t.y);
    return;
  }
  if (t.state === 'none') {
    drawCross();
    $('status-position').textContent = tr('MouseStatus', 'x = %1   no f1 drawn', t.x);
  } else if (t.state === 'undefined') {
    drawCross();
    $('status-position').textContent = tr('MouseStatus', 'x = %1   f1(x) undefined', t.x);
  } else {
    const inside = Math.abs(t.crossY) < state.height * 4 && Math.abs(t.crossX) < state.width * 4;
    if (inside) drawCross(Math.round(t.crossX), Math.round(t.crossY)); else drawCross();
    $('status-position').textContent = tr('MouseStatus', 'x = %1   f1(x) = %2', t.x, t.value);
  }
}

picture.addEventListener('pointerdown', (e) => {
  picture.setPointerCapture(e.pointerId);
  state.pointers.set(e.pointerId, localPoint(e));
  if (state.pointers.size === 2) {
    const [a, b] = [...state.pointers.values()];
    state.pinch = { distance: Math.hypot(a.x - b.x, a.y - b.y) };
    state.drag = null;
  } else if (state.pointers.size === 1 && !(e.pointerType !== 'mouse' && $('trace-item').checked)) {
    state.drag = localPoint(e);
    picture.classList.add('dragging');
  }
});
picture.addEventListener('pointermove', (e) => {
  const p = localPoint(e);
  if (state.pointers.has(e.pointerId)) state.pointers.set(e.pointerId, p);
  if (state.pinch && state.pointers.size === 2) {
    const [a, b] = [...state.pointers.values()];
    const distance = Math.hypot(a.x - b.x, a.y - b.y);
    const middle = { x: Math.round((a.x + b.x) / 2), y: Math.round((a.y + b.y) / 2) };
    // Each step of the fingers is one zoom step of the wheel, about the point between them.
    while (distance > state.pinch.distance * PINCH_STEP || distance * PINCH_STEP < state.pinch.distance) {
      const zoomIn = distance > state.pinch.distance;
      core.zoomAbout(middle.x, middle.y, zoomIn);
      state.pinch.distance *= zoomIn ? PINCH_STEP : 1 / PINCH_STEP;
      paintSoon();
    }
    return;
  }
  if (state.drag) {
    const dx = p.x - state.drag.x, dy = p.y - state.drag.y;
    if (dx !== 0 || dy !== 0) {
      core.panByPixels(dx, dy);
      state.drag = p;
      paintSoon();
    }
    return;
  }
  traceAt(p, e.shiftKey || (e.pointerType !== 'mouse' && state.pointers.size === 1));
});
function pointerEnd(e) {
  state.pointers.delete(e.pointerId);
  if (state.pointers.size < 2) state.pinch = null;
  if (state.pointers.size === 0) {
    state.drag = null;
    picture.classList.remove('dragging');
  }
}
picture.addEventListener('pointerup', pointerEnd);
picture.addEventListener('pointercancel', pointerEnd);
picture.addEventListener('pointerleave', () => { drawCross(); $('status-position').textContent = ''; });
picture.addEventListener('wheel', (e) => {
  e.preventDefault();
  if (e.deltaY === 0) return;
  const p = localPoint(e);
  core.zoomAbout(p.x, p.y, e.deltaY < 0);
  paintSoon();
}, { passive: false });

// --- Worksheets ----------------------------------------------------------------------------
const hasWorksheets = typeof core.openWorksheet === 'function';

function openWorksheetText(json, name) {
  const result = core.openWorksheet(json);
  if (!result.ok) {
    setStatus(tr('', 'Cannot open the worksheet: %1', result.error));
    return false;
  }
  setStatus(result.warnings.length ? tr('', 'Worksheet: %1', result.warnings.join('; ')) : name || '');
  syncForm();
  for (const f of TERM_FIELDS) markField(f);
  draw();
  return true;
}

function saveWorksheet() {
  const result = core.saveWorksheet();
  if (!result.ok) {
    setStatus(result.error);
    return null;
  }
  return result.json;
}

if (hasWorksheets) {
  $('worksheet-open').addEventListener('click', () => $('worksheet-file').click());
  $('worksheet-file').addEventListener('change', async () => {
    const file = $('worksheet-file').files[0];
    if (file) openWorksheetText(await file.text(), file.name);
    $('worksheet-file').value = '';
  });
  $('worksheet-save').addEventListener('click', () => {
    const json = saveWorksheet();
    if (json === null) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([json], { type: 'application/json' }));
    link.download = 'worksheet.plotwerk';
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 1000);
  });
  $('worksheet-link').addEventListener('click', async () => {
    const json = saveWorksheet();
    if (json === null) return;
    const url = `${location.origin}${location.pathname}${location.search}#worksheet=${encodeURIComponent(json)}`;
    try {
      await navigator.clipboard.writeText(url);
      setStatus(tr('', 'The link is in the clipboard.'));
    } catch {
      setStatus(url);
    }
  });
  document.addEventListener('dragover', (e) => { e.preventDefault(); document.body.classList.add('dropping'); });
  document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
  document.addEventListener('drop', async (e) => {
    e.preventDefault();
    document.body.classList.remove('dropping');
    const file = e.dataTransfer.files[0];
    if (file) openWorksheetText(await file.text(), file.name);
  });
} else {
  for (const id of ['worksheet-open', 'worksheet-save', 'worksheet-link']) {
    $(id).disabled = true;
    $(id).title = tr('', 'This page has no worksheet support in this build.');
  }
}

// --- Help ----------------------------------------------------------------------------------
$('help-button').addEventListener('click', () => {
  $('help-frame').src = texts.language === 'de' ? 'help_de.html' : 'help_en.html';
  $('help-dialog').showModal();
});
// One menu open at a time, closed by a click elsewhere.
document.addEventListener('click', (e) => {
  for (const menu of document.querySelectorAll('details.menu[open]')) {
    if (!menu.contains(e.target)) menu.removeAttribute('open');
  }
});

// --- Start (FormActivate): the basic setting for the area, then the Draw command ------------
resizeCanvases();
core.basicSetting(state.width, state.height);
syncForm();
const hash = decodeURIComponent(location.hash);
if (hasWorksheets && hash.startsWith('#worksheet=')) {
  openWorksheetText(hash.slice('#worksheet='.length), '');
} else {
  draw();
}
const firstPicture = performance.now();
new ResizeObserver(() => { if (resizeCanvases()) paintSoon(); }).observe(area);

if ('serviceWorker' in navigator && location.protocol !== 'file:') {
  navigator.serviceWorker.register('sw.js').catch(() => {});
}

// For the tests and the benchmarks.
window.plotwerk = { core, draw, paint, timings, animation, state, fontFor, openWorksheetText, saveWorksheet, hasWorksheets,
  firstPictureMs: firstPicture };
document.body.dataset.ready = '1';
