// The browser's program measured in Debian's headless Chromium, served compressed from
// 127.0.0.1: navigation to the first paint of the well beside a bare page with one canvas of
// its size, in alternating runs; the bytes a first visit transfers; the CPU the page takes
// while it sits still, before a game and paused, and while a game runs for reference.
//   node bench/web/webbench.mjs [runs]    (tools/webbench.sh builds first)
import {cpSync, mkdtempSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {chromium} from '../../tests/web/node_modules/playwright-core/index.mjs';
import {serve} from '../../tools/web/serve.mjs';
import {flags} from '../../tests/web/browser.mjs';

const runs = Number(process.argv[2] || 15);
const folder = mkdtempSync(join(tmpdir(), 'tarvelo-bench-'));
for (const f of ['index.html', 'tarvelo.css', 'tarvelo.js', 'tarvelo.wasm', 'sounds', 'icons'])
  cpSync(join('build-web', f), join(folder, f), {recursive: true});
for (const f of ['bare.html', 'bare.js']) cpSync(join('bench/web', f), join(folder, f));
const server = await serve(folder);
const url = `http://127.0.0.1:${server.address().port}/`;
const browser = await chromium.launch({executablePath: '/usr/bin/chromium', args: flags});

const median = xs => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

async function firstpaint(page) {
  return page.evaluate(() => new Promise(done => {
    const fcp = () => performance.getEntriesByName('first-contentful-paint')[0];
    const wait = () => (fcp() && performance.getEntriesByName('tarvelo-well').length)
      ? done(fcp().startTime) : setTimeout(wait, 10);
    wait();
  }));
}

// A second reference: the same windows as still HTML, without the program, to tell what the
// page's text and controls cost to draw from what the program costs to start.
{
  const context = await browser.newContext();
  const page = await context.newPage();
  await page.goto(url);
  await firstpaint(page);
  writeFileSync(join(folder, 'still.html'), await page.evaluate(() =>
    '<!doctype html><html lang="ru"><head><meta charset="utf-8">' +
    '<link rel="stylesheet" href="tarvelo.css"></head><body>' + document.body.innerHTML +
    '<script src="still.js"></script></body></html>'));
  writeFileSync(join(folder, 'still.js'), "performance.mark('tarvelo-well');\n");
  await context.close();
}

const times = {game: [], bare: [], still: []};
for (let i = 0; i < runs; ++i) {
  for (const [name, path] of [['game', ''], ['bare', 'bare.html'], ['still', 'still.html']]) {
    const context = await browser.newContext();
    const page = await context.newPage();
    await page.goto(url + path);
    times[name].push(await firstpaint(page));
    await context.close();
  }
}
const [game, bare, still] = [times.game, times.bare, times.still].map(median);
console.log(`From navigation to the first paint of the well, median of ${runs} runs:`);
console.log(`  the game ${game.toFixed(1)} ms; a bare page with one canvas of its size ` +
            `${bare.toFixed(1)} ms, ratio ${(game / bare).toFixed(2)} (goal 1.2); the game's ` +
            `windows as still HTML ${still.toFixed(1)} ms, ratio ${(game / still).toFixed(2)}`);

// A first visit: every response's bytes on the wire, the sounds fetched at the first key.
{
  const context = await browser.newContext();
  const page = await context.newPage();
  await context.addInitScript(() => {
    window.woken = 0;
    const counted = f => function (...a) { ++window.woken; return f.apply(this, a); };
    for (const name of ['setTimeout', 'setInterval']) {
      const real = window[name];
      window[name] = (f, ...rest) => real(typeof f === 'function' ? counted(f) : f, ...rest);
    }
    const frame = window.requestAnimationFrame;
    window.requestAnimationFrame = f => frame(counted(f));
  });
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  const bytes = {};
  cdp.on('Network.responseReceived', e => { bytes[e.requestId] = {url: e.response.url}; });
  cdp.on('Network.loadingFinished', e => {
    if (bytes[e.requestId]) bytes[e.requestId].size = e.encodedDataLength;
  });
  await page.goto(url);
  await firstpaint(page);
  await page.keyboard.press('F2');
  await page.waitForFunction(() => performance.getEntriesByType('resource')
    .filter(r => r.name.endsWith('.wav')).length === 5);
  await new Promise(done => setTimeout(done, 500));
  const all = Object.values(bytes).filter(b => b.size);
  const total = all.reduce((s, b) => s + b.size, 0);
  const sounds = all.filter(b => b.url.endsWith('.wav')).reduce((s, b) => s + b.size, 0);
  console.log(`A first visit transfers ${(total / 1024).toFixed(1)} KB compressed in ` +
              `${all.length} responses, ${(sounds / 1024).toFixed(1)} KB of it the sounds ` +
              `(goal under 300 KB)`);
  for (const b of all.sort((x, y) => y.size - x.size))
    console.log(`  ${String(b.size).padStart(7)}  ${b.url.slice(url.length) || '/'}`);

  // Over five seconds: the CPU the page's renderer takes, and how often the page's own code
  // was woken (timers and animation frames), which is what the goal is about.
  const sessions = new Map();
  const cpu = async p => {
    if (!sessions.has(p)) {
      sessions.set(p, await p.context().newCDPSession(p));
      await sessions.get(p).send('Performance.enable');
    }
    const m = await sessions.get(p).send('Performance.getMetrics');
    return Object.fromEntries(m.metrics.map(x => [x.name, x.value])).TaskDuration * 1000;
  };
  const over = async (p, label) => {
    await p.evaluate(() => { window.woken = 0; });
    const before = await cpu(p);
    await new Promise(done => setTimeout(done, 5000));
    const used = (await cpu(p)) - before;
    console.log(`  ${label}: woken ${await p.evaluate(() => window.woken)} times, ` +
                `${used.toFixed(1)} ms of CPU in 5 s`);
  };
  console.log('While it sits still (goal: never woken):');
  await page.keyboard.press('p');
  await over(page, 'paused');
  await page.reload();
  await firstpaint(page);
  await new Promise(done => setTimeout(done, 500));
  await over(page, 'before a game');
  await page.keyboard.press('F2');
  await over(page, 'in play, for reference');
  const bare = await context.newPage();
  await bare.goto(url + 'bare.html');
  await over(bare, 'the bare canvas page, for reference');
  await context.close();
}
await browser.close();
server.close();
