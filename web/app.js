// SPDX-License-Identifier: MIT
// The page: it shows what the program's core hands it and tells the core
// what the user did. Every rule (what a command does, what a field may
// hold, what the picture shows, the texts of the messages) is the core's.
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const SETTINGS_KEY = 'grafolin.beallit';
  // The wheel direction: "1" vertical, "0" sideways; kept between visits.
  const WHEEL_KEY = 'grafolin.gorgetes';
  const TEXT_FONT = "11px 'Liberation Sans', Arial, 'DejaVu Sans', sans-serif";
  const W = 393, H = 321;

  let core = null;        // the WebAssembly module
  let shown = null;       // what the main window shows, as the core last said
  let paintedVersion = -1;
  let repeatTimer = null, repeatInterval = 0;
  const messageQueue = [];
  const textCanvas = document.createElement('canvas');
  const textContext = textCanvas.getContext('2d', { willReadFrequently: true });

  // What the core asks of the browser: the settings record in the page's
  // storage and the pixels of a text in the program's font.
  const host = {
    readSettings(out, capacity) {
      let stored;
      try {
        stored = window.localStorage.getItem(SETTINGS_KEY);
      } catch (e) {
        return -3;
      }
      if (stored === null) return -1;
      const n = Math.min(stored.length, capacity);
      for (let i = 0; i < stored.length; ++i) if (stored.charCodeAt(i) > 255) return -2;
      for (let i = 0; i < n; ++i) core.HEAPU8[out + i] = stored.charCodeAt(i);
      return n;
    },
    writeSettings(bytes, length) {
      let text = '';
      for (let i = 0; i < length; ++i) text += String.fromCharCode(core.HEAPU8[bytes + i]);
      try {
        window.localStorage.setItem(SETTINGS_KEY, text);
        return 1;
      } catch (e) {
        return 0;
      }
    },
    // Every pixel a glyph covers at least half is 1 in the mask.
    textMask(text, mask, capacity, size) {
      textContext.font = TEXT_FONT;
      const m = textContext.measureText(text);
      const ascent = Math.round(m.fontBoundingBoxAscent || 10);
      const w = Math.max(0, Math.round(m.width));
      const h = ascent + Math.round(m.fontBoundingBoxDescent || 3);
      if (w === 0 || h === 0 || w * h > capacity) return 0;
      textCanvas.width = w;
      textCanvas.height = h;
      textContext.font = TEXT_FONT;
      textContext.fillStyle = '#000';
      textContext.textBaseline = 'alphabetic';
      textContext.fillText(text, 0, ascent);
      const data = textContext.getImageData(0, 0, w, h).data;
      for (let i = 0; i < w * h; ++i) core.HEAPU8[mask + i] = data[i * 4 + 3] >= 128 ? 1 : 0;
      core.HEAP32[size >> 2] = w;
      core.HEAP32[(size >> 2) + 1] = h;
      return 1;
    },
  };

  function call(name, types, args) {
    return core.ccall(name, null, types || [], args || []);
  }

  // Runs a command of the core, then shows what changed.
  function run(name, types, args) {
    call(name, types, args);
    refresh();
  }

  // --- Showing what the core says ---

  function colorOfSwatch(c) {
    return c;
  }

  function paintPicture() {
    const canvas = $('Image1');
    const ctx = canvas.getContext('2d');
    const ptr = core.ccall('gw_pixels', 'number', [], []);
    if (!ptr) {
      // No picture yet: the control's face.
      ctx.fillStyle = getComputedStyle(canvas).backgroundColor;
      ctx.fillRect(0, 0, W, H);
    } else {
      const pixels = new Uint8ClampedArray(core.HEAPU8.buffer, ptr, W * H * 4);
      ctx.putImageData(new ImageData(new Uint8ClampedArray(pixels), W, H), 0, 0);
    }
    if (window.grafolinFirstPicture === undefined) window.grafolinFirstPicture = performance.now();
  }

  function setText(id, text) {
    const el = $(id);
    if (el.textContent !== text) el.textContent = text;
  }

  function refresh() {
    shown = JSON.parse(core.ccall('gw_shown', 'string', [], []));
    for (let i = 0; i < 3; ++i) {
      const field = $('Edit' + (i + 1));
      if (field.value !== shown.fields[i]) field.value = shown.fields[i];
    }
    const radio = $('RadioButton' + shown.kind);
    if (!radio.checked) radio.checked = true;
    $('Edit3').disabled = !shown.cEnabled;
    $('Label3').classList.toggle('disabled', !shown.cEnabled);
    setText('caption', shown.caption);
    document.title = shown.caption;
    setText('count', shown.countText);
    $('Button9').disabled = !shown.deleteLastEnabled;
    $('Utfvtorles').disabled = !shown.deleteLastEnabled;
    setText('Label7', shown.readoutX);
    setText('Label8', shown.readoutY);
    setText('Label5', shown.zoomText);
    $('Image1').classList.toggle('cross', shown.cross);
    const b10 = $('Button10');
    b10.textContent = shown.wheelVertical ? '↕' : '↔';
    b10.setAttribute('aria-label', 'Görgetés iránya: ' + (shown.wheelVertical ? 'függőleges' : 'vízszintes'));
    b10.setAttribute('aria-pressed', shown.wheelVertical ? 'false' : 'true');
    storeWheelDirection(shown.wheelVertical);
    setText('picture-description', shown.description);
    showList();
    setText('load-status', shown.loadStatus);
    setText('loaded-comment', shown.loadedComment);
    setText('save-label', shown.saveLabel);
    $('save-set').disabled = !shown.saveEnabled;
    if (shown.pictureVersion !== paintedVersion) {
      paintedVersion = shown.pictureVersion;
      paintPicture();
    }
    if (shown.repeatInterval !== repeatInterval) startRepeatTimer(shown.repeatInterval);
    if (shown.beeps > 0) beep();
    for (const m of shown.messages) messageQueue.push(m);
    showNextMessage();
    paintSwatches();
  }

  function showList() {
    const list = $('ListBox1');
    // The rows are fixed-width texts: their blanks must not collapse.
    const rows = shown.rows.map((r) => r.replace(/ /g, '\u00a0'));
    // Rows are only ever appended, removed from the end, or all cleared.
    while (list.options.length > rows.length) list.remove(list.options.length - 1);
    for (let i = 0; i < rows.length; ++i) {
      if (i < list.options.length) {
        if (list.options[i].text !== rows[i]) list.options[i].text = rows[i];
      } else {
        list.add(new Option(rows[i], String(i)));
      }
    }
    setText('selection-label', shown.selectionLabel);
  }

  function paintSwatches() {
    const settings = JSON.parse(core.ccall('gw_settings', 'string', [], []));
    const byPicker = {};
    for (const row of settings.rows) byPicker[row.picker] = row;
    const swatch = { Shape2: 'ComboBox2', Shape3: 'ComboBox3', Shape4: 'ComboBox4', Shape5: 'ComboBox5' };
    for (const id in swatch) $(id).style.backgroundColor = colorOfSwatch(byPicker[swatch[id]].inForce);
  }

  let audio = null;
  function beep() {
    try {
      audio = audio || new AudioContext();
      const o = audio.createOscillator();
      o.frequency.value = 880;
      o.connect(audio.destination);
      o.start();
      o.stop(audio.currentTime + 0.12);
    } catch (e) { /* no sound in this browser */ }
  }

  // --- Message boxes: one at a time, in order ---

  let returnFocus = null;
  function showNextMessage() {
    const dialog = $('message');
    if (dialog.open || messageQueue.length === 0) return;
    const m = messageQueue.shift();
    call('gw_release_pan');
    setText('message-title', m.title);
    setText('message-text', m.text);
    dialog.dataset.type = m.type;
    if (!returnFocus) returnFocus = document.activeElement;
    dialog.showModal();
    $('message-ok').focus();
  }
  $('message-ok').addEventListener('click', () => $('message').close());
  $('message').addEventListener('close', () => {
    if (messageQueue.length) {
      showNextMessage();
      return;
    }
    if (returnFocus && returnFocus.focus) returnFocus.focus();
    returnFocus = null;
  });

  // --- The main window ---

  function startRepeatTimer(ms) {
    if (repeatTimer) clearInterval(repeatTimer);
    repeatInterval = ms;
    repeatTimer = setInterval(() => {
      call('gw_repeat_tick');
      refresh();
    }, ms);
  }

  function selectKind(k) {
    const radio = $('RadioButton' + k);
    if (radio.checked) return;  // the option already selected runs no reaction
    radio.checked = true;
    run('gw_kind_option', ['number'], [k]);
  }

  for (let k = 1; k <= 4; ++k) {
    $('RadioButton' + k).addEventListener('change', (e) => {
      if (e.target.checked) run('gw_kind_option', ['number'], [k]);
    });
  }
  for (let i = 0; i < 3; ++i) {
    $('Edit' + (i + 1)).addEventListener('input', (e) => call('gw_field', ['number', 'string'], [i, e.target.value]));
  }

  const commands = {
    Button1: 'gw_plot', Abrazol: 'gw_plot',
    Button4: 'gw_clear_functions', Torol2: 'gw_clear_functions',
    Button9: 'gw_delete_last', Utfvtorles: 'gw_delete_last',
    Button3: 'gw_clear_all', Mindtor: 'gw_clear_all',
    Button11: 'gw_numbers', BitBtn2: 'gw_zoom', Button8: 'gw_centre', Button10: 'gw_direction_switch',
    Nevjegy: 'gw_about',
  };
  for (const id in commands) {
    $(id).addEventListener('click', () => {
      closeMenus();
      run(commands[id]);
    });
  }
  document.querySelectorAll('[data-kind]').forEach((b) =>
    b.addEventListener('click', () => {
      closeMenus();
      selectKind(Number(b.dataset.kind));
    }));

  // Pan buttons: held by the mouse or by the space bar; the repeat timer moves.
  document.querySelectorAll('.pan-button').forEach((b) => {
    const d = Number(b.dataset.pan);
    const hold = (on) => call('gw_pan_held', ['number', 'number'], [d, on ? 1 : 0]);
    b.addEventListener('pointerdown', (e) => {
      b.setPointerCapture(e.pointerId);
      hold(true);
    });
    b.addEventListener('pointerup', () => hold(false));
    b.addEventListener('pointercancel', () => hold(false));
    b.addEventListener('keydown', (e) => {
      if (e.key === ' ' && !e.repeat) {
        e.preventDefault();
        hold(true);
      }
    });
    b.addEventListener('keyup', (e) => {
      if (e.key === ' ') {
        e.preventDefault();
        hold(false);
      }
    });
    b.addEventListener('blur', () => hold(false));
  });
  window.addEventListener('blur', () => call('gw_release_pan'));

  // The picture: the read-out follows the pointer, a click marks the point.
  const picture = $('Image1');
  function picturePixel(e) {
    // Inside the border, scaled back to the picture's own pixels.
    const r = picture.getBoundingClientRect();
    return [Math.floor((e.clientX - r.left - picture.clientLeft) * W / picture.clientWidth),
      Math.floor((e.clientY - r.top - picture.clientTop) * H / picture.clientHeight)];
  }
  picture.addEventListener('mousemove', (e) => {
    const [x, y] = picturePixel(e);
    run('gw_mouse_move', ['number', 'number'], [x, y]);
  });
  picture.addEventListener('click', () => run('gw_picture_click'));

  // The wheel over the window: its angle in eighths of a degree, 120 a notch.
  $('Tfoablak').addEventListener('wheel', (e) => {
    e.preventDefault();
    let angle = e.wheelDeltaY;
    if (!angle) angle = -e.deltaY * (e.deltaMode === 1 ? 40 : e.deltaMode === 2 ? 120 : 1.2);
    run('gw_wheel', ['number', 'number', 'number', 'number', 'number'],
      [Math.round(angle), e.ctrlKey ? 1 : 0, e.shiftKey ? 1 : 0, e.altKey ? 1 : 0, e.buttons ? 1 : 0]);
  }, { passive: false });

  // Hints: the control under the mouse or with the focus, in status panel 1.
  function hintOf(el) {
    const h = el && el.closest ? el.closest('[data-hint]') : null;
    return h ? h.dataset.hint : '';
  }
  document.addEventListener('mouseover', (e) => setText('hint', hintOf(e.target)));
  document.addEventListener('focusin', (e) => setText('hint', hintOf(e.target)));

  // --- Menus ---
  function closeMenus() {
    document.querySelectorAll('details.menu[open]').forEach((d) => d.removeAttribute('open'));
  }
  document.addEventListener('click', (e) => {
    if (!e.target.closest('details.menu')) closeMenus();
  });

  // --- Function list ---
  function showFunctionList(on) {
    $('Tfuggvenyablak').hidden = !on;
    $('Fvmutat').setAttribute('aria-pressed', on ? 'true' : 'false');
    if (on) $('ListBox1').focus();
  }
  $('Fvmutat').addEventListener('click', () => {
    closeMenus();
    showFunctionList(true);
  });
  $('list-close').addEventListener('click', () => showFunctionList(false));
  $('SumButton').addEventListener('click', () => {
    const rows = Array.from($('ListBox1').selectedOptions).map((o) => o.index);
    run('gw_sum', ['string'], [rows.join(',')]);
  });
  $('ListBox1').addEventListener('dblclick', () => run('gw_trace', ['number'], [$('ListBox1').selectedIndex]));
  $('ListBox1').addEventListener('keydown', (e) => {
    if (e.key === 'Enter') {
      e.preventDefault();
      run('gw_trace', ['number'], [$('ListBox1').selectedIndex]);
    }
  });

  // --- Sets ---
  function openDialog(id) {
    closeMenus();
    returnFocus = document.activeElement;
    call('gw_release_pan');
    $(id).showModal();
  }
  function openSets() {
    call('gw_sets_open');
    refresh();
    openDialog('Ttoltmentablak');
  }
  $('Toltment').addEventListener('click', openSets);
  $('sets-close').addEventListener('click', () => $('Ttoltmentablak').close());
  $('comment').addEventListener('click', (e) => { e.target.value = ''; });

  function download(name, type, data) {
    const url = URL.createObjectURL(new Blob([data], { type }));
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // The set as the desktop writes it.
  function setBytes() {
    const ptr = core.ccall('gw_save_set', 'number', ['string'], [$('comment').value]);
    const size = core.ccall('gw_bytes_size', 'number', [], []);
    refresh();
    return size ? new Uint8Array(core.HEAPU8.slice(ptr, ptr + size)) : null;
  }
  $('save-set').addEventListener('click', () => {
    const bytes = setBytes();
    if (!bytes) return;
    download('fuggvenyek.fv', 'application/x-grafolin-function-set', bytes);
    $('Ttoltmentablak').close();
  });

  // A set file through the core's own load: the same refusals and messages.
  function loadSetFile(file) {
    const reader = new FileReader();
    reader.onload = () => {
      const bytes = new Uint8Array(reader.result);
      const ptr = core.ccall('gw_buffer', 'number', ['number'], [bytes.length]);
      core.HEAPU8.set(bytes, ptr);
      run('gw_load_set', ['string'], [file.name]);
      window.grafolinLoads = (window.grafolinLoads || 0) + 1;
    };
    reader.onerror = () => {
      messageQueue.push({ type: 'error', title: 'Error', text: '„' + file.name + '” nem olvasható: ' + reader.error });
      showNextMessage();
      window.grafolinLoads = (window.grafolinLoads || 0) + 1;
    };
    reader.readAsArrayBuffer(file);
  }
  $('load-set').addEventListener('change', (e) => {
    const file = e.target.files[0];
    e.target.value = '';
    if (file) loadSetFile(file);
  });
  document.addEventListener('dragover', (e) => e.preventDefault());
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    const file = e.dataTransfer.files[0];
    if (file) loadSetFile(file);
  });

  // --- Pictures ---
  $('Fvkepment').addEventListener('click', () => openDialog('picture-save'));
  $('picture-close').addEventListener('click', () => $('picture-save').close());
  $('save-png').addEventListener('click', () => {
    $('picture-save').close();
    if (!core.ccall('gw_pixels', 'number', [], [])) return;  // nothing drawn yet: no file
    picture.toBlob((blob) => download('fuggvenyek.png', 'image/png', blob), 'image/png');
  });
  $('save-svg').addEventListener('click', () => {
    $('picture-save').close();
    const svg = core.ccall('gw_svg', 'string', [], []);
    if (svg) download('fuggvenyek.svg', 'image/svg+xml', svg);
  });

  // --- Settings ---
  const TAB_NAMES = ['Általános', 'Színek', 'Kapcsolók', 'Megjelenés'];
  // The settings that matter in a browser: the step, the colours, the
  // auxiliary lines and the optimisation (which here means the finest step).
  const BROWSER_SETTINGS = new Set(['ComboBox1', 'ComboBox2', 'ComboBox3', 'ComboBox4', 'ComboBox5', 'ComboBox6',
    'ComboBox8', 'ComboBox9', 'ComboBox11', 'ComboBox12']);

  function settingsState() {
    return JSON.parse(core.ccall('gw_settings', 'string', [], []));
  }

  function buildSettings() {
    const s = settingsState();
    const box = $('settings-rows');
    box.textContent = '';
    for (let tab = 0; tab < TAB_NAMES.length; ++tab) {
      const rows = s.rows.filter((r) => r.tab === tab && BROWSER_SETTINGS.has(r.picker));
      if (!rows.length) continue;
      const group = document.createElement('fieldset');
      const legend = document.createElement('legend');
      legend.textContent = TAB_NAMES[tab];
      group.appendChild(legend);
      for (const row of rows) {
        const line = document.createElement('div');
        line.className = 'setting';
        const label = document.createElement('label');
        label.textContent = row.caption;
        label.htmlFor = row.picker;
        const select = document.createElement('select');
        select.id = row.picker;
        select.title = row.hint;
        const items = row.items.split('\n');
        if (row.color) items.push('Egyéni');
        for (const item of items) select.add(new Option(item, item));
        select.addEventListener('change', () => {
          call('gw_picker', ['number', 'string'], [row.setting, select.value]);
          showSettings();
        });
        line.append(label, select);
        if (row.color) {
          const custom = document.createElement('input');
          custom.type = 'color';
          custom.id = row.picker + '-egyeni';
          custom.setAttribute('aria-label', row.caption + ' egyéni szín');
          custom.addEventListener('change', () => {
            call('gw_custom_color', ['number', 'number'], [row.setting, parseInt(custom.value.slice(1), 16)]);
            showSettings();
          });
          line.appendChild(custom);
        }
        const now = document.createElement('span');
        now.className = 'in-force';
        now.id = row.picker + '-aktualis';
        line.appendChild(now);
        group.appendChild(line);
      }
      box.appendChild(group);
    }
  }

  function showSettings() {
    const s = settingsState();
    setText('Label30', s.source);
    for (const row of s.rows) {
      const select = $(row.picker);
      if (!select) continue;
      if (select.value !== row.text) {
        if (![...select.options].some((o) => o.value === row.text)) select.add(new Option(row.text, row.text));
        select.value = row.text;
      }
      if (row.picker === 'ComboBox1') select.disabled = !s.precisionEnabled;
      const now = $(row.picker + '-aktualis');
      if (row.color) {
        // The colour in force as the desktop shows it: a bold "I" in it.
        now.textContent = 'Aktuális: ';
        const sample = document.createElement('span');
        sample.className = 'sample';
        sample.textContent = 'I';
        sample.title = row.inForce;
        sample.setAttribute('aria-label', 'színminta ' + row.inForce);
        now.style.setProperty('--sample', row.inForce);
        now.appendChild(sample);
      } else {
        now.textContent = 'Aktuális: ' + row.inForce;
      }
    }
    if (s.clash) {
      setText('clash-text', s.clash);
      if (!$('Tegyezoszinekablak').open) $('Tegyezoszinekablak').showModal();
    } else if ($('Tegyezoszinekablak').open) {
      $('Tegyezoszinekablak').close();
    }
    if (!s.open && $('Tbeallitasablak').open) $('Tbeallitasablak').close();
    refresh();
  }

  $('Konfig').addEventListener('click', openSettings);
  function openSettings() {
    call('gw_settings_open');
    openDialog('Tbeallitasablak');
    showSettings();
  }
  $('SpeedButton1').addEventListener('click', () => { call('gw_settings_ok'); showSettings(); });
  $('SpeedButton2').addEventListener('click', () => { call('gw_settings_cancel'); showSettings(); });
  $('SpeedButton3').addEventListener('click', () => { call('gw_settings_defaults'); showSettings(); });
  $('clash-ignore').addEventListener('click', () => { call('gw_clash_ignore'); showSettings(); });
  $('clash-revisit').addEventListener('click', () => { call('gw_clash_revisit'); showSettings(); });
  $('Tbeallitasablak').addEventListener('cancel', () => call('gw_settings_cancel'));

  // --- Keys of the menu ---
  document.addEventListener('keydown', (e) => {
    if (document.querySelector('dialog[open]')) return;
    const ctrl = e.ctrlKey && !e.altKey && !e.metaKey;
    const plain = !e.ctrlKey && !e.altKey && !e.metaKey;
    let done = true;
    if (plain && e.key === 'F5') run('gw_plot');
    else if (plain && e.key === 'F6') run('gw_clear_functions');
    else if (plain && e.key === 'F7') { if (!$('Utfvtorles').disabled) run('gw_delete_last'); }
    else if (plain && e.key === 'F8') run('gw_clear_all');
    else if (plain && e.key === 'F2') openSettings();
    else if (ctrl && ['1', '2', '3', '4'].includes(e.key)) selectKind(Number(e.key));
    else if (ctrl && (e.key === 's' || e.key === 'S')) openDialog('picture-save');
    else if (ctrl && (e.key === 'm' || e.key === 'M')) openSets();
    else if (ctrl && (e.key === 'f' || e.key === 'F')) showFunctionList(true);
    else done = false;
    if (done) e.preventDefault();
  });
  for (const id of ['Ttoltmentablak', 'picture-save', 'Tbeallitasablak']) {
    $(id).addEventListener('close', () => {
      if (returnFocus && returnFocus.focus) returnFocus.focus();
      returnFocus = null;
    });
  }

  // Written when the direction changes, not on every refresh: another tab's
  // choice is not overwritten by a page that merely shows its own.
  let wheelStored = true;
  function storeWheelDirection(vertical) {
    if (vertical === wheelStored) return;
    wheelStored = vertical;
    try {
      window.localStorage.setItem(WHEEL_KEY, vertical ? '1' : '0');
    } catch (e) { /* storage refused: the direction lasts for the visit */ }
  }

  // The stored wheel direction, set by the direction switch as a person
  // would; a damaged value gives the vertical wheel, with a note.
  function restoreWheelDirection() {
    let stored = null;
    try {
      stored = window.localStorage.getItem(WHEEL_KEY);
    } catch (e) { return; }
    if (stored === '0') {
      wheelStored = false;
      call('gw_direction_switch');
    } else if (stored !== null && stored !== '1') {
      messageQueue.push({ type: 'warning', title: 'Warning',
        text: 'A görgetés irányának tárolt értéke hibás: „' + stored + '”\nA görgetés függőleges.' });
      try {
        window.localStorage.setItem(WHEEL_KEY, '1');
      } catch (e) { /* storage refused */ }
    }
  }

  // --- Start ---
  // The core's WebAssembly, compiled while it arrives; a server that does
  // not say "application/wasm" gets it compiled after it has arrived.
  function instantiateWasm(imports, receive) {
    const fetched = window.grafolinWasm || fetch('grafolin.wasm');
    fetched
      .then((response) => WebAssembly.instantiateStreaming(response.clone(), imports)
        .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports))))
      .then((result) => receive(result.instance, result.module))
      .catch((error) => setText('start-note', 'A Grafolin nem indítható ebben a böngészőben: ' + error));
    return {};
  }

  createGrafolin({ grafolinHost: host, instantiateWasm }).then((module) => {
    core = module;
    call('gw_start');
    restoreWheelDirection();
    buildSettings();
    refresh();
    window.grafolinReady = performance.now();
  }, (error) => {
    setText('start-note', 'A Grafolin nem indítható ebben a böngészőben: ' + error);
  });
})();
