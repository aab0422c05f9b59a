// SPDX-License-Identifier: MIT
// Headless Chromium driven over its DevTools protocol through a pipe (no
// port, no outside packages); the site's static server is web/serve.mjs.
import { spawn } from 'node:child_process';
import { mkdtempSync, existsSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
export { serve } from '../serve.mjs';

export const CHROMIUM_FLAGS = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

export function findChromium() {
  for (const p of [process.env.CHROMIUM, '/usr/bin/chromium', '/usr/bin/chromium-browser']) if (p && existsSync(p)) return p;
  return null;
}

// A browser with one page. Every call returns the protocol's result.
export class Browser {
  static async start(executable) {
    const profile = mkdtempSync(join(tmpdir(), 'grafolin-chromium-'));
    const proc = spawn(executable, [...CHROMIUM_FLAGS, `--user-data-dir=${profile}`, '--remote-debugging-pipe',
      '--window-size=1200,900', 'about:blank'], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
    const b = new Browser(proc, profile);
    await b.attach();
    return b;
  }

  constructor(proc, profile) {
    this.proc = proc;
    this.profile = profile;
    this.nextId = 1;
    this.pending = new Map();
    this.listeners = [];
    this.stderr = '';
    this.exited = new Promise((resolve) => proc.on('exit', (code, signal) => resolve({ code, signal })));
    proc.stderr.on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
    let buffer = Buffer.alloc(0);
    proc.stdio[4].on('data', (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      for (let end; (end = buffer.indexOf(0)) >= 0;) {
        const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
        buffer = buffer.subarray(end + 1);
        this.dispatch(message);
      }
    });
    this.exited.then(({ code, signal }) => {
      for (const { reject } of this.pending.values())
        reject(new Error(`Chromium ended (${code ?? signal}): ${this.stderr.trim().split('\n').slice(-3).join(' | ')}`));
      this.pending.clear();
    });
  }

  dispatch(message) {
    if (message.id && this.pending.has(message.id)) {
      const { resolve, reject } = this.pending.get(message.id);
      this.pending.delete(message.id);
      if (message.error) reject(new Error(message.error.message));
      else resolve(message.result);
      return;
    }
    for (const l of this.listeners) l(message);
  }

  send(method, params = {}, sessionId = this.session) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (sessionId) message.sessionId = sessionId;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject });
      this.proc.stdio[3].write(JSON.stringify(message) + '\0');
    });
  }

  // Resolves with the first event of `method` that `accept` takes.
  waitFor(method, accept = () => true, timeoutMs = 20000) {
    return new Promise((resolve, reject) => {
      const timer = setTimeout(() => {
        this.listeners = this.listeners.filter((l) => l !== listener);
        reject(new Error(`no ${method} within ${timeoutMs} ms`));
      }, timeoutMs);
      const listener = (m) => {
        if (m.method === method && accept(m.params)) {
          clearTimeout(timer);
          this.listeners = this.listeners.filter((l) => l !== listener);
          resolve(m.params);
        }
      };
      this.listeners.push(listener);
    });
  }

  async attach() {
    const { targetInfos } = await this.send('Target.getTargets', {}, null);
    const page = targetInfos.find((t) => t.type === 'page');
    const { sessionId } = await this.send('Target.attachToTarget', { targetId: page.targetId, flatten: true }, null);
    this.session = sessionId;
    await this.send('Page.enable');
    await this.send('Runtime.enable');
  }

  async navigate(url) {
    const loaded = this.waitFor('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await loaded;
  }

  // The value of an expression in the page (awaited when it is a promise).
  async eval(expression) {
    const r = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) throw new Error(`${expression}: ${r.exceptionDetails.exception?.description ?? r.exceptionDetails.text}`);
    return r.result.value;
  }

  // Waits until an expression is true in the page.
  async until(expression, timeoutMs = 20000) {
    const start = Date.now();
    for (;;) {
      if (await this.eval(expression)) return;
      if (Date.now() - start > timeoutMs) throw new Error(`still false after ${timeoutMs} ms: ${expression}`);
      await new Promise((r) => setTimeout(r, 20));
    }
  }

  // The centre of an element, in CSS pixels of the viewport.
  async centreOf(selector) {
    const r = await this.eval(`(() => { const e = document.querySelector(${JSON.stringify(selector)});
      e.scrollIntoView({block: 'nearest'}); const r = e.getBoundingClientRect();
      return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    return { x: r[0], y: r[1] };
  }

  async mouse(type, x, y, extra = {}) {
    await this.send('Input.dispatchMouseEvent', { type, x, y, button: 'none', ...extra });
  }

  async click(selector, clickCount = 1) {
    const { x, y } = await this.centreOf(selector);
    await this.mouse('mouseMoved', x, y);
    for (let n = 1; n <= clickCount; ++n) {
      await this.mouse('mousePressed', x, y, { button: 'left', buttons: 1, clickCount: n });
      await this.mouse('mouseReleased', x, y, { button: 'left', clickCount: n });
    }
  }

  // A key as the keyboard sends it: down (with its text) and up.
  async key(key, { code = key, keyCode = 0, modifiers = 0, text } = {}) {
    const down = { type: text ? 'keyDown' : 'rawKeyDown', key, code, windowsVirtualKeyCode: keyCode, modifiers };
    if (text) down.text = text;
    await this.send('Input.dispatchKeyEvent', down);
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', key, code, windowsVirtualKeyCode: keyCode, modifiers });
  }

  async type(text) {
    for (const ch of text) await this.send('Input.dispatchKeyEvent', { type: 'char', text: ch });
  }

  async close() {
    try {
      await this.send('Browser.close', {}, null);
    } catch (e) { /* already gone */ }
    const timer = setTimeout(() => this.proc.kill('SIGKILL'), 5000);
    await this.exited;
    clearTimeout(timer);
  }
}
