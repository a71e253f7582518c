// Serves a folder on 127.0.0.1 as a static web host would: the right types, gzip where the
// browser takes it, an ETag for each file, nothing outside the folder.
//   node tools/web/serve.mjs FOLDER [PORT] [--open]
// Port 0, the default, takes any free one; the URL is printed, and with --open given to the
// desktop's default browser.
import {spawn} from 'node:child_process';
import {createServer} from 'node:http';
import {readFile, stat} from 'node:fs/promises';
import {extname, join, normalize, resolve} from 'node:path';
import {gzipSync} from 'node:zlib';

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.wasm': 'application/wasm', '.wav': 'audio/wav',
  '.png': 'image/png', '.ico': 'image/x-icon', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
};

export function serve(folder, port = 0) {
  const root = resolve(folder);
  const compressed = new Map();  // by file, with the time it was read: compressed once
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root + '/')) {
      response.writeHead(403).end();
      return;
    }
    try {
      const {mtimeMs: modified, size} = await stat(file);
      // Kept by the browser, asked again each time, and sent again only when changed.
      const etag = `"${size.toString(36)}-${Math.floor(modified).toString(36)}"`;
      const headers = {'Content-Type': types[extname(file)] || 'application/octet-stream',
                       'Cache-Control': 'no-cache', 'ETag': etag};
      if (request.headers['if-none-match'] === etag) {
        response.writeHead(304, headers).end();
        return;
      }
      let body = await readFile(file);
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        if (compressed.get(file)?.modified !== modified)
          compressed.set(file, {modified, body: gzipSync(body, {level: 9})});
        body = compressed.get(file).body;
        headers['Content-Encoding'] = 'gzip';
      }
      server.sent += body.length;
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  server.sent = 0;  // the bytes of the bodies served, for measurements
  return new Promise(done => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const args = process.argv.slice(2).filter(a => a !== '--open');
  const server = await serve(args[0] || 'build-web', Number(args[1] || 0));
  const url = `http://127.0.0.1:${server.address().port}/`;
  console.log(`Tarvelo is served at ${url}`);
  if (process.argv.includes('--open')) {
    spawn('xdg-open', [url], {stdio: 'ignore', detached: true})
      .on('error', () => console.log('Open it in a browser.')).unref();
  }
}
