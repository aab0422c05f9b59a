// SPDX-License-Identifier: MIT
// A static server for the built site on 127.0.0.1, for a local try:
//   node web/serve.mjs build-web/site [PORT]
// (./run.sh --web builds the site and starts it.) Any static web server
// does the same; the only thing the site asks of one is to serve
// ".wasm" files as "application/wasm" (the page copes without it).
import { createServer } from 'node:http';
import { readFileSync, existsSync, statSync } from 'node:fs';
import { join, extname, normalize, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.svg': 'image/svg+xml',
};

// Serves `root` on 127.0.0.1 at `port` (0: a free one); resolves to
// { url, close }.
export function serve(root, port = 0) {
  const base = resolve(root);
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname));
    let file = join(base, path);
    if (file.startsWith(base) && existsSync(file) && statSync(file).isDirectory()) file = join(file, 'index.html');
    if (!file.startsWith(base) || !existsSync(file)) {
      res.writeHead(404);
      res.end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache' });
    res.end(readFileSync(file));
  });
  return new Promise((ok, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () =>
      ok({ url: `http://127.0.0.1:${server.address().port}/`, close: () => server.close() }));
  });
}

if (import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [root = 'build-web/site', port = '8033'] = process.argv.slice(2);
  if (!existsSync(join(root, 'index.html'))) {
    console.error(`${root}: no built site here (bash tools/build_web.sh)`);
    process.exit(2);
  }
  serve(root, Number(port)).then(({ url }) => console.log(`Grafolin in the browser: ${url} (Ctrl+C stops it)`),
    (e) => {
      console.error(`127.0.0.1:${port}: ${e.message}`);
      process.exit(1);
    });
}
