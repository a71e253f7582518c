// Serves a folder on 127.0.0.1 as a static web host would: the right types, gzip where the
// browser takes it, no caching, nothing outside the folder.
//   node tools/web/serve.mjs FOLDER [PORT]   (0, the default: any free port; prints the URL)
import {createServer} from 'node:http';
import {readFile} from 'node:fs/promises';
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
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root + '/')) {
      response.writeHead(403).end();
      return;
    }
    try {
      let body = await readFile(file);
      const headers = {'Content-Type': types[extname(file)] || 'application/octet-stream',
                       'Cache-Control': 'no-cache'};
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        body = gzipSync(body, {level: 9});
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  return new Promise(done => server.listen(port, '127.0.0.1', () => done(server)));
}

if (import.meta.url === `file://${process.argv[1]}`) {
  const server = await serve(process.argv[2] || 'build-web', Number(process.argv[3] || 0));
  console.log(`http://127.0.0.1:${server.address().port}/`);
}
