// SPDX-License-Identifier: MIT
// The browser edition as a person meets it: the built site served on
// 127.0.0.1, headless Chromium driven over its DevTools protocol with mouse
// and keys, the canvas's pixels compared with the desktop program's pictures
// of the same sets and views (`grafolin --export`), and where the command line
// has no counterpart (typed functions, sums, traces, marked points) with the
// desktop's core built natively and run on the same actions.
//
//   node web/test/browser_test.mjs SITE GRAFOLIN NATIVE_REFERENCE
//
// Exits 0 when every check passes, 1 on a failure, and 77 (skipped, with the
// reason) only when Chromium cannot start.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, mkdirSync, readFileSync, writeFileSync, existsSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { Browser, serve, findChromium } from './browser.mjs';

const [siteArg, grafolinArg, referenceArg] = process.argv.slice(2);
if (!siteArg || !grafolinArg || !referenceArg) {
  console.error('usage: node browser_test.mjs SITE GRAFOLIN NATIVE_REFERENCE');
  process.exit(2);
}
const site = resolve(siteArg), grafolin = resolve(grafolinArg), reference = resolve(referenceArg);
const W = 393, H = 321;
const work = mkdtempSync(join(tmpdir(), 'grafolin-web-test-'));
const home = join(work, 'home'), cwd = join(work, 'cwd'), downloads = join(work, 'downloads');
for (const d of [home, cwd, downloads]) mkdirSync(d);

let passed = 0, failed = 0;
const figures = [];
function check(name, ok, detail = '') {
  if (ok) ++passed;
  else ++failed;
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${detail ? ' — ' + detail : ''}`);
}

// --- The desktop side ---

// The desktop's core on a script of actions (see native_reference.cpp).
function native(script) {
  return execFileSync(reference, [], { input: script.join('\n') + '\n', cwd }).toString();
}

// The picture the desktop program writes for a set and a view, as RGBA. A
// fresh folder and home: no settings file and no measured clock, as the page.
function desktopExport(set, { zoom = 1, right = 0, up = 0, numbers = false } = {}) {
  const out = join(work, `export-${Math.random().toString(36).slice(2)}.bmp`);
  const args = ['--export', out, '--zoom', String(zoom), '--pan', `${right},${up}`];
  if (numbers) args.push('--numbers');
  args.push(set);
  execFileSync(grafolin, args, { cwd, stdio: ['ignore', 'pipe', 'pipe'], env: { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, '.config'),
    XDG_DATA_HOME: join(home, '.local/share'), QT_QPA_PLATFORM: 'offscreen' } });
  return readBitmap(out);
}

// A 24-bit bottom-up bitmap as top-down RGBA.
function readBitmap(path) {
  const b = readFileSync(path);
  const offset = b.readUInt32LE(10), w = b.readInt32LE(18), h = b.readInt32LE(22);
  if (w !== W || h !== H || b.readUInt16LE(28) !== 24) throw new Error(`${path}: not a ${W} × ${H} 24-bit bitmap`);
  const row = Math.ceil((w * 3) / 4) * 4;
  const rgba = Buffer.alloc(W * H * 4);
  for (let y = 0; y < H; ++y)
    for (let x = 0; x < W; ++x) {
      const s = offset + (H - 1 - y) * row + x * 3, d = (y * W + x) * 4;
      rgba[d] = b[s + 2]; rgba[d + 1] = b[s + 1]; rgba[d + 2] = b[s]; rgba[d + 3] = 255;
    }
  return rgba;
}

function nativePicture(script) {
  const out = join(work, `native-${Math.random().toString(36).slice(2)}.rgba`);
  native([...script, `picture ${out}`]);
  return readFileSync(out);
}

// The pixels where two pictures differ, as [x, y].
function differences(a, b) {
  const out = [];
  for (let i = 0; i < W * H; ++i)
    if (a[i * 4] !== b[i * 4] || a[i * 4 + 1] !== b[i * 4 + 1] || a[i * 4 + 2] !== b[i * 4 + 2]) out.push([i % W, Math.floor(i / W)]);
  return out;
}

// --- Test sets, written by the desktop's save ---

function rng(seed) {
  let s = seed >>> 0;
  return () => ((s = (Math.imul(s, 1664525) + 1013904223) >>> 0) / 2 ** 32);
}
function coefficient(r, max) {
  return (Math.round((r() * 2 - 1) * max * 100) / 100).toFixed(2);
}
function writeSet(name, fns, comment = 'böngésző teszt') {
  const path = join(work, name);
  native([...fns.map((f) => `fn ${f.join(' ')}`), `writeset ${path} ${comment}`]);
  return path;
}

const r = rng(33);
const fifty = [];
for (let i = 0; i < 50; ++i) {
  const k = (i % 4) + 1, steep = i % 5 === 0;
  fifty.push([k, coefficient(r, steep ? 100 : 2), coefficient(r, steep ? 100 : 20), k === 1 ? '0' : coefficient(r, 30)]);
}
const sets = {
  fifty: writeSet('fifty.fv', fifty),
  four: writeSet('four.fv', [[1, 2, -1, 0], [2, 0.25, -1, -20], [3, -0.5, 3, 10], [4, 1.5, -4, -12]]),
  flat: writeSet('flat.fv', [[1, 0.01, 0.5, 0], [2, 0.01, 0, -3], [3, -0.01, 7, 2], [4, 0.05, -30, 1]]),
  steep: writeSet('steep.fv', [[1, 100, -100, 0], [2, -100, 100, 100], [3, 100, -2.5, -100], [4, -100, 0.5, 50]]),
};
const damaged = {
  short: join(work, 'rovid.fv'),
  foreign: join(work, 'kep.fv'),
  count: join(work, 'szam.fv'),
};
writeFileSync(damaged.short, readFileSync(sets.four).subarray(0, 1853));
writeFileSync(damaged.foreign, readFileSync(join(site, 'style.css')));
{
  const b = Buffer.from(readFileSync(sets.four));
  b[51] = 2; b[52] = '9'.charCodeAt(0); b[53] = '9'.charCodeAt(0);  // 99 functions
  writeFileSync(damaged.count, b);
}

// --- The page ---

const chromium = findChromium();
if (!chromium) {
  console.log('SKIP: Chromium is not installed (Debian package "chromium")');
  process.exit(77);
}
const server = await serve(site);
let browser;
try {
  browser = await Browser.start(chromium);
} catch (e) {
  console.log(`SKIP: Chromium cannot start here: ${e.message}`);
  server.close();
  process.exit(77);
}
const page = browser;
const pageErrors = [];
page.listeners.push((m) => {
  if (m.method === 'Runtime.exceptionThrown') pageErrors.push(m.params.exceptionDetails.exception?.description ?? m.params.exceptionDetails.text);
});
await page.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads, eventsEnabled: true }, null);
await page.send('DOM.enable');
const $text = (id) => page.eval(`document.getElementById(${JSON.stringify(id)}).textContent`);

async function openPage() {
  await page.navigate(server.url);
  await page.until('window.grafolinReady !== undefined');
}

async function canvasPixels() {
  const b64 = await page.eval(`(() => { const c = document.getElementById('Image1');
    const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data; let s = '';
    for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
    return btoa(s); })()`);
  return Buffer.from(b64, 'base64');
}

// Picks a file in the sets dialog's file input, as the file chooser does.
async function loadInPage(path) {
  await page.key('m', { code: 'KeyM', keyCode: 77, modifiers: 2 });
  await page.until(`document.getElementById('Ttoltmentablak').open`);
  const { root } = await page.send('DOM.getDocument');
  const { nodeId } = await page.send('DOM.querySelector', { nodeId: root.nodeId, selector: '#load-set' });
  const before = await page.eval('window.grafolinLoads || 0');
  await page.send('DOM.setFileInputFiles', { nodeId, files: [path] });
  // The file is read, loaded, and its refusal (if any) shown.
  await page.until(`(window.grafolinLoads || 0) > ${before}`);
  await page.eval(`document.getElementById('Ttoltmentablak').open && document.getElementById('sets-close').click()`);
}

async function wheel(deltaY, times = 1) {
  const { x, y } = await page.centreOf('#Image1');
  for (let i = 0; i < times; ++i) await page.mouse('mouseWheel', x, y, { deltaX: 0, deltaY });
}

// The view as a person reaches it: the zoom button until the factor shows,
// the wheel for the pans (its direction switch for the sideways ones), "123".
// A set of fifty shows the maximum's message at every redraw: each message
// is closed with its OK before the next step, as a person would.
async function showView({ zoom = 1, right = 0, up = 0, numbers = false }) {
  await dismissMessages();
  for (let i = 0; i < 4 && (await $text('Label5')) !== `${zoom}x`; ++i) {
    await page.click('#BitBtn2');
    await dismissMessages();
  }
  const wheelSteps = async (deltaY, times) => {
    for (let i = 0; i < times; ++i) {
      await wheel(deltaY);
      await dismissMessages();
    }
  };
  if (up) await wheelSteps(up > 0 ? -120 : 120, Math.abs(up));
  if (right) {
    await page.click('#Button10');
    await wheelSteps(right > 0 ? 120 : -120, Math.abs(right));
    await page.click('#Button10');
  }
  if (numbers) await page.click('#Button11');
  await dismissMessages();
}

async function dismissMessage() {
  const text = await page.eval(`document.getElementById('message').open ? document.getElementById('message-text').textContent : null`);
  if (text !== null) await page.key('Enter', { code: 'Enter', keyCode: 13, text: '\r' });
  return text;
}
async function dismissMessages() {
  while ((await dismissMessage()) !== null);
}

try {
  // First picture: cold cache, fresh navigation, five times.
  await page.send('Network.enable');
  await page.send('Network.setCacheDisabled', { cacheDisabled: true });
  const firstPictures = [];
  for (let i = 0; i < 5; ++i) {
    await page.send('Network.clearBrowserCache');
    await openPage();
    await page.until('window.grafolinFirstPicture !== undefined');
    firstPictures.push(await page.eval('window.grafolinFirstPicture'));
  }
  firstPictures.sort((a, b) => a - b);
  figures.push(`first picture after navigation (cold cache, 5 runs): median ${firstPictures[2].toFixed(0)} ms, ` +
    `range ${firstPictures[0].toFixed(0)}–${firstPictures[4].toFixed(0)} ms`);
  await page.send('Network.setCacheDisabled', { cacheDisabled: false });

  // 1. Sets and views: the desktop export's pixels exactly.
  const views = [
    ['fifty', { zoom: 1 }], ['fifty', { zoom: 8, right: 5, up: 3 }], ['fifty', { zoom: 2, right: -5, up: -7 }],
    ['four', { zoom: 4, right: 2, up: 1 }], ['flat', { zoom: 8, right: -3 }], ['steep', { zoom: 1, up: 250 }],
    ['steep', { zoom: 2, up: -400, right: 1 }],
  ];
  for (const [name, view] of views) {
    await openPage();
    await loadInPage(sets[name]);
    await showView(view);
    const diff = differences(await canvasPixels(), desktopExport(sets[name], view));
    check(`${name}.fv at ${JSON.stringify(view)} draws the desktop export's pixels`, diff.length === 0,
      diff.length ? `${diff.length} pixels differ, first at ${diff[0]}` : '');
  }

  // A held pan button moves the drawing again and again until it is let go.
  await openPage();
  await loadInPage(sets.four);
  {
    const hash = `(() => { const d = document.getElementById('Image1').getContext('2d').getImageData(0, 0, 393, 321).data;
      let h = 0; for (let i = 0; i < d.length; ++i) h = (Math.imul(h, 31) + d[i]) | 0; return h; })()`;
    const before = await page.eval(hash);
    const { x, y } = await page.centreOf('#Button2');
    await page.mouse('mouseMoved', x, y);
    await page.mouse('mousePressed', x, y, { button: 'left', buttons: 1, clickCount: 1 });
    await page.until(`${hash} !== ${before}`);
    await page.mouse('mouseReleased', x, y, { button: 'left', clickCount: 1 });
    const held = await canvasPixels();
    let steps = 0;
    for (let k = 1; k <= 40 && !steps; ++k) if (differences(held, desktopExport(sets.four, { up: k })).length === 0) steps = k;
    check('holding the up button pans up by whole steps, as the desktop\'s pan button', steps > 0, `${steps} steps`);
    await new Promise((r) => setTimeout(r, 500));
    check('letting go stops it', differences(await canvasPixels(), held).length === 0);
  }

  // 2. Typing 2 and 1 into A and B with the first kind and F5.
  await openPage();
  await page.click('#RadioButton1');
  await page.click('#Edit1');
  await page.type('2');
  await page.click('#Edit2');
  await page.type('1');
  await page.key('F5', { keyCode: 116 });
  check('F5 plots the typed function', (await $text('count')) === 'Függvények száma: 1', await $text('count'));
  const typed = await canvasPixels();
  check('the typed function matches the desktop core on the same keys',
    differences(typed, nativePicture(['kind 1', 'field 0 2', 'field 1 1', 'plot'])).length === 0);

  // Saving the set: a download with the desktop's bytes, which the desktop loads.
  async function saveInPage() {
    for (const f of readdirSync(downloads)) rmSync(join(downloads, f));
    await page.key('m', { code: 'KeyM', keyCode: 77, modifiers: 2 });
    await page.until(`document.getElementById('Ttoltmentablak').open`);
    const done = page.waitFor('Browser.downloadProgress', (p) => p.state === 'completed');
    await page.click('#save-set');
    await done;
    return readFileSync(join(downloads, 'fuggvenyek.fv'));
  }
  const saved = await saveInPage();
  const refPath = join(work, 'typed-reference.fv');
  native(['kind 1', 'field 0 2', 'field 1 1', 'plot', `resave ${refPath} Megjegyzés a függvény(ek) azonosításához`]);
  check('the saved set has the bytes the desktop writes', saved.equals(readFileSync(refPath)), `${saved.length} bytes`);
  const savedPath = join(work, 'saved-in-page.fv');
  writeFileSync(savedPath, saved);
  const typedExport = desktopExport(savedPath);
  check('the desktop loads the page\'s set and draws the same picture', differences(typed, typedExport).length === 0);
  await openPage();
  await loadInPage(savedPath);
  const again = await saveInPage();
  check('loading the set back and saving it gives the same bytes', again.equals(saved));

  // A loaded fifty-function set saved again: the desktop's save of that load.
  await openPage();
  await loadInPage(sets.fifty);
  await dismissMessage();  // the maximum of 50
  const fiftySaved = await saveInPage();
  const fiftyRef = join(work, 'fifty-resaved.fv');
  native([`load ${sets.fifty}`, `resave ${fiftyRef} Megjegyzés a függvény(ek) azonosításához`]);
  check('a loaded set of fifty saves with the desktop\'s bytes', fiftySaved.equals(readFileSync(fiftyRef)));

  // 3. Sum and trace from the function list, zoom and pan before them.
  await openPage();
  await loadInPage(sets.four);
  await page.key('f', { code: 'KeyF', keyCode: 70, modifiers: 2 });
  check('Ctrl+F shows the list with a row per function', (await page.eval(`document.getElementById('ListBox1').options.length`)) === 4);
  check('a row reads as the desktop writes it',
    (await page.eval(`document.getElementById('ListBox1').options[3].text.replace(/\\u00a0/g, ' ')`)) === '04. Absz. értékes   1.50   -4.00   -12.00',
    await page.eval(`document.getElementById('ListBox1').options[3].text`));
  await page.click('#BitBtn2');
  await wheel(-120, 2);
  const option = (i) => `#ListBox1 option:nth-child(${i + 1})`;
  await page.click(option(1));
  await page.click('#SumButton');
  check('one row selected: the sum is refused with its message',
    (await dismissMessage()) === 'Sajnos csak 2 függvény összegét tudom kiszámolni!');
  const { x: ox, y: oy } = await page.centreOf(option(3));
  await page.mouse('mousePressed', ox, oy, { button: 'left', buttons: 1, clickCount: 1, modifiers: 2 });
  await page.mouse('mouseReleased', ox, oy, { button: 'left', clickCount: 1, modifiers: 2 });
  await page.click('#SumButton');
  const listed = ['load ' + sets.four, 'zoom', 'pan up', 'pan up'];
  let diff = differences(await canvasPixels(), nativePicture([...listed, 'sum 1 3']));
  check('the sum of rows 2 and 4 draws the desktop core\'s pixels', diff.length === 0, `${diff.length} differ`);
  check('the selection label names the rows', (await $text('selection-label')) === 'Kiválasztott függvények:  2  4 ');
  await page.click(option(2), 2);
  diff = differences(await canvasPixels(), nativePicture([...listed, 'trace 2']));
  check('a double click traces row 3 as the desktop core does', diff.length === 0, `${diff.length} differ`);

  // 4. Axis numbers: everything but the numbers' own pixels is the export's.
  await openPage();
  await loadInPage(sets.four);
  await showView({ zoom: 2, right: 1, up: -1, numbers: true });
  const withNumbers = await canvasPixels();
  const exportNumbers = desktopExport(sets.four, { zoom: 2, right: 1, up: -1, numbers: true });
  const exportPlain = desktopExport(sets.four, { zoom: 2, right: 1, up: -1 });
  const textPixels = differences(exportNumbers, exportPlain);
  const near = (p, set) => set.some(([x, y]) => Math.abs(x - p[0]) <= 4 && Math.abs(y - p[1]) <= 4);
  diff = differences(withNumbers, exportNumbers);
  const pageText = differences(withNumbers, exportPlain);
  check('numbers: every pixel away from the numbers is the export\'s', diff.every((p) => near(p, textPixels)),
    `${diff.filter((p) => !near(p, textPixels)).length} stray`);
  figures.push(`axis numbers (4 functions, 2x): ${textPixels.length} text pixels on the desktop, ${pageText.length} in the page, ` +
    `${diff.length} pixels differ (${(100 * diff.length / (W * H)).toFixed(2)} % of the picture)`);

  // 5. Settings: auxiliary lines on, kept in the browser's storage; marking.
  await page.key('F2', { keyCode: 113 });
  await page.until(`document.getElementById('Tbeallitasablak').open`);
  await page.eval(`(() => { const s = document.getElementById('ComboBox9'); s.focus(); return 0; })()`);
  await page.eval(`(() => { const s = document.getElementById('ComboBox9'); s.value = 'Be';
    s.dispatchEvent(new Event('change')); return 0; })()`);
  await page.click('#SpeedButton1');
  check('OK closes the settings', !(await page.eval(`document.getElementById('Tbeallitasablak').open`)));
  await openPage();
  await loadInPage(sets.four);
  const box = await page.eval(`(() => { const r = document.getElementById('Image1').getBoundingClientRect(); return [r.left, r.top]; })()`);
  const mx = 251, my = 97;
  await page.mouse('mouseMoved', box[0] + 1 + mx + 0.5, box[1] + 1 + my + 0.5);
  check('the read-out shows the pointer\'s point', (await $text('Label7')) === '11.50' && (await $text('Label8')) === '15.75',
    `${await $text('Label7')}; ${await $text('Label8')}`);
  await page.mouse('mousePressed', box[0] + 1 + mx + 0.5, box[1] + 1 + my + 0.5, { button: 'left', buttons: 1, clickCount: 1 });
  await page.mouse('mouseReleased', box[0] + 1 + mx + 0.5, box[1] + 1 + my + 0.5, { button: 'left', clickCount: 1 });
  const marked = await canvasPixels();
  const markRef = nativePicture(['aux 1', 'load ' + sets.four, `move ${mx} ${my}`, 'click']);
  diff = differences(marked, markRef);
  const inLabel = ([x, y]) => x > mx && x <= mx + 90 && y > my && y <= my + 16;
  check('marking after the setting survives a reload: the helper lines are the desktop core\'s',
    diff.length > 0 && diff.every(inLabel), `${diff.filter((p) => !inLabel(p)).length} stray of ${diff.length}`);
  figures.push(`marked point's text «(11.50;15.75)»: ${diff.length} pixels differ from the picture without the text, all in its box`);

  // 6. Refusals: damaged and foreign files name the file and the reason; the
  // loaded set stays.
  const refusals = [
    [damaged.short, 'rovid.fv', '1853 bájt'], [damaged.foreign, 'kep.fv', 'bájt'],
    [damaged.count, 'szam.fv', 'a függvények száma hibás'],
  ];
  for (const [path, name, reason] of refusals) {
    await loadInPage(path);
    const text = await dismissMessage();
    check(`${name} is refused naming the file and the reason`,
      text !== null && text.includes(name) && text.includes('A függvényeket tartalmazó fájl hibás!') && text.includes(reason), text);
    check(`${name} leaves the loaded functions`, (await $text('count')) === 'Függvények száma: 4');
  }

  // 7. A damaged stored setting falls back to its default with a note.
  await page.eval(`(() => { const s = localStorage.getItem('grafolin.beallit');
    localStorage.setItem('grafolin.beallit', s.slice(0, 5) + 'x' + s.slice(6)); return 0; })()`);
  await openPage();
  const note = await dismissMessage();
  check('a damaged stored colour is named and replaced by its default', note !== null && note.includes('elsőfokú függvény színe'), note);
  await page.eval(`localStorage.setItem('grafolin.beallit', 'ő'.repeat(91)), 0`);
  await openPage();
  const refusedNote = await dismissMessage();
  check('a stored value that is no bytes is named with the reason', refusedNote !== null && refusedNote.includes('nem bájtok'), refusedNote);
  await page.eval(`localStorage.clear(), 0`);

  // The wheel direction is kept: switched to sideways, after a reload the
  // wheel still pans sideways; a damaged stored direction is noted.
  await openPage();
  await page.click('#Button10');
  await openPage();
  await loadInPage(sets.four);
  await wheel(120);
  check('the sideways wheel survives a reload: wheel down pans right as the desktop\'s pan button',
    differences(await canvasPixels(), desktopExport(sets.four, { right: 1 })).length === 0);
  await page.eval(`localStorage.setItem('grafolin.gorgetes', 'x'), 0`);
  await openPage();
  const wheelNote = await dismissMessage();
  check('a damaged stored wheel direction gives the vertical wheel with a note',
    wheelNote !== null && wheelNote.includes('görgetés') && (await page.eval(`document.getElementById('Button10').getAttribute('aria-label')`)).endsWith('függőleges'),
    wheelNote);
  await page.eval(`localStorage.clear(), 0`);

  // 8. Keyboard and what a screen reader hears.
  await openPage();
  await page.key('2', { code: 'Digit2', keyCode: 50, modifiers: 2 });
  check('Ctrl+2 selects the second kind and enables C', await page.eval(`document.getElementById('RadioButton2').checked && !document.getElementById('Edit3').disabled`));
  await page.key('1', { code: 'Digit1', keyCode: 49, modifiers: 2 });
  check('Ctrl+1 disables C again', await page.eval(`document.getElementById('Edit3').disabled`));
  await page.click('#BitBtn2');
  check('the zoom button without a plot says so', (await dismissMessage()) === 'Mit nagyítsak?');
  await page.click('#Edit1');
  await page.type('x');
  await page.key('F5', { keyCode: 116 });
  check('letters are refused with their message', (await dismissMessage()) === 'Betűkből nem lehet függvényt ábrázolni!');
  const focusOrder = [];
  await page.eval(`document.activeElement.blur(), 0`);
  for (let i = 0; i < 40; ++i) {
    await page.key('Tab', { code: 'Tab', keyCode: 9 });
    focusOrder.push(await page.eval(`document.activeElement.id || document.activeElement.tagName`));
  }
  for (const id of ['RadioButton1', 'Edit1', 'Edit2', 'Button11', 'Button2', 'BitBtn2', 'Button1', 'Button4', 'Button3', 'Image1', 'Button10'])
    check(`Tab reaches ${id}`, focusOrder.includes(id));
  await page.eval(`document.getElementById('Edit1').value = ''; document.getElementById('Edit1').dispatchEvent(new Event('input')); 0`);
  await page.click('#Edit1');
  await page.type('1');
  await page.key('F5', { keyCode: 116 });
  await page.send('Accessibility.enable');
  const { nodes } = await page.send('Accessibility.getFullAXTree');
  const named = (name) => nodes.some((n) => n.name && n.name.value === name);
  const pictureNode = nodes.find((n) => n.role?.value === 'image');
  const pictureWords = `${pictureNode?.name?.value ?? ''} ${pictureNode?.description?.value ?? ''}`;
  check('the picture is described in words that follow the plot', pictureWords.includes('1 függvény') && pictureWords.includes('Nagyítás: 1x'), pictureWords);
  for (const name of ['Mutasd a függvényt!', 'Nagyítás', 'Fel', 'Balra', 'Középre', 'Tengelyek számozása (123)', 'A=', 'B='])
    check(`a control is named «${name}»`, named(name));
  check('count, read-out and zoom are live regions',
    await page.eval(`['count', 'Label7', 'Label8', 'Label5'].every((id) => document.getElementById(id).closest('[aria-live]'))`));

  // 9. SVG and PNG of the picture.
  const svgDone = page.waitFor('Browser.downloadProgress', (p) => p.state === 'completed');
  await page.key('s', { code: 'KeyS', keyCode: 83, modifiers: 2 });
  await page.click('#save-svg');
  await svgDone;
  const svg = readFileSync(join(downloads, 'fuggvenyek.svg'), 'utf8');
  check('the SVG holds the grid, the axes and the curve as vectors',
    svg.startsWith('<?xml') && svg.includes('<polyline stroke="#ff0000"') && svg.includes('stroke="#c0c0c0"'));
  const pngDone = page.waitFor('Browser.downloadProgress', (p) => p.state === 'completed');
  await page.key('s', { code: 'KeyS', keyCode: 83, modifiers: 2 });
  await page.click('#save-png');
  await pngDone;
  const png = readFileSync(join(downloads, 'fuggvenyek.png'));
  const shownPixels = await canvasPixels();
  const decoded = await page.eval(`(async () => { const img = new Image(); img.src = 'data:image/png;base64,${png.toString('base64')}';
    await img.decode(); const c = document.createElement('canvas'); c.width = img.width; c.height = img.height;
    const x = c.getContext('2d'); x.drawImage(img, 0, 0); const d = x.getImageData(0, 0, c.width, c.height).data; let s = '';
    for (let i = 0; i < d.length; i += 0x8000) s += String.fromCharCode.apply(null, d.subarray(i, i + 0x8000));
    return btoa(s); })()`);
  check('the PNG has the picture\'s pixels', differences(Buffer.from(decoded, 'base64'), shownPixels).length === 0);

  check('no script error in the page', pageErrors.length === 0, pageErrors.join(' | '));
} catch (e) {
  check('the browser test ran to its end', false, e.stack);
} finally {
  await browser.close();
  server.close();
}

const sizes = ['grafolin.wasm', 'grafolin.js'].map((f) => readFileSync(join(site, f)));
const gz = (await import('node:zlib')).gzipSync(Buffer.concat(sizes), { level: 9 }).length;
figures.push(`wasm ${sizes[0].length} bytes and glue ${sizes[1].length} bytes, ${gz} bytes gzipped together`);
for (const f of figures) console.log(`figure: ${f}`);
rmSync(work, { recursive: true, force: true });
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed ? 1 : 0);
