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
for (const f of ['index.html', 'tarvelo.css', 'tarvelo.js', 'tarvelo.wasm', 'sw.js',
                 'manifest.webmanifest', 'sounds', 'icons'])
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

// A first visit: the bytes the server sent, compressed, to the page and to its service worker,
// which keeps the page's files and the sounds; the page's own responses listed.
{
  const context = await browser.newContext();
  // Every timer and animation frame the page's code asks for, counted as it fires.
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
  const page = await context.newPage();
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  const bytes = {};
  cdp.on('Network.responseReceived', e => { bytes[e.requestId] = {url: e.response.url}; });
  cdp.on('Network.loadingFinished', e => {
    if (bytes[e.requestId]) bytes[e.requestId].size = e.encodedDataLength;
  });
  const before = server.sent;
  await page.goto(url);
  await firstpaint(page);
  await page.keyboard.press('F2');
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => performance.getEntriesByType('resource')
    .filter(r => r.name.endsWith('.wav')).length === 5);
  await new Promise(done => setTimeout(done, 1000));
  const all = Object.values(bytes).filter(b => b.size);
  const sent = server.sent - before;
  console.log(`A first visit transfers ${(sent / 1024).toFixed(1)} KB compressed, sounds and ` +
              `the service worker's copies included (goal under 300 KB); the page's own ` +
              `${all.length} responses:`);
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
  await page.locator('.main .client').focus();
  await page.keyboard.press('F2');
  await page.waitForFunction(() => document.querySelector('.main [data-name="Command1"]').hidden);
  await over(page, 'in play, for reference');
  const bare = await context.newPage();
  await bare.goto(url + 'bare.html');
  await over(bare, 'the bare canvas page, for reference');
  await context.close();
}
// On a phone, over a slow mobile network (the DevTools protocol's throttling, as Chrome's
// "Slow 4G": 150 ms round trips, 1.6 Mbit/s down, 750 kbit/s up): the first visit, and a visit
// with the page's files kept by its service worker.
{
  const firstvisit = [], cached = [];
  for (let i = 0; i < Math.max(3, Math.ceil(runs / 3)); ++i) {
    const context = await browser.newContext({viewport: {width: 390, height: 844},
      deviceScaleFactor: 3, isMobile: true, hasTouch: true});
    const page = await context.newPage();
    const cdp = await context.newCDPSession(page);
    await cdp.send('Network.enable');
    await cdp.send('Network.emulateNetworkConditions', {offline: false, latency: 150,
      downloadThroughput: 1.6e6 / 8, uploadThroughput: 750e3 / 8});
    await page.goto(url);
    firstvisit.push(await firstpaint(page));
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.evaluate(() => new Promise(done => {
      const check = () => navigator.serviceWorker.controller ? done() : setTimeout(check, 50);
      check();
    }));
    await page.goto(url);
    cached.push(await firstpaint(page));
    await context.close();
  }
  console.log(`On a phone's screen over a slow mobile network, first paint of the well ` +
              `(median of ${firstvisit.length}): first visit ${median(firstvisit).toFixed(0)} ms, ` +
              `with its files kept ${median(cached).toFixed(0)} ms`);
}
await browser.close();
server.close();
