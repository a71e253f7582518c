// What the browser tests share: the built page served on 127.0.0.1, Debian's Chromium driven
// headless through its DevTools protocol, and readings of what the page shows.
import {readFileSync} from 'node:fs';
import {dirname, join} from 'node:path';
import {fileURLToPath} from 'node:url';
import {chromium} from 'playwright-core';
import {serve} from '../../tools/web/serve.mjs';

export const root = join(dirname(fileURLToPath(import.meta.url)), '../..');
export const build = process.env.TARVELO_WEB_BUILD || join(root, 'build-web');
export const forms = JSON.parse(readFileSync(join(build, 'tests/forms.json'), 'utf8'));

let server, browser;
export let url;

// Chromium as this machine's closed network needs it: nothing fetched in the background.
export const flags = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--autoplay-policy=no-user-gesture-required'];

export async function start() {
  server = await serve(build);
  url = `http://127.0.0.1:${server.address().port}/`;
  browser = await chromium.launch({executablePath: '/usr/bin/chromium', args: flags});
  return browser;
}

export async function stop() {
  await browser?.close();
  server?.close();
}

// A context is a browser profile of its own: its own localStorage, shared by its tabs. Its
// pages go to the server each time, unless a test asks for the service worker.
export async function profile(options = {}) {
  return browser.newContext({locale: 'ru-RU', timezoneId: 'UTC', serviceWorkers: 'block',
                             ...options});
}

// A tab with the game loaded, its well painted; settings given are stored before it starts.
export async function open(context, settings = {}) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', e => page.errors.push(String(e)));
  page.on('console', m => { if (m.type() === 'error') page.errors.push(m.text()); });
  if (Object.keys(settings).length) {
    // A page of the origin, without the game.
    await page.route(url + 'blank', route => route.fulfill({body: '', contentType: 'text/html'}));
    await page.goto(url + 'blank');
    await page.evaluate(s => { for (const [k, v] of Object.entries(s)) localStorage.setItem(k, v); },
                        settings);
  }
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('tarvelo-well').length > 0);
  await page.locator('#desk .client').first().focus();
  return page;
}

// The settings a quick test plays with: no blinks to wait for, no sound.
export const quick = {'Tarvelo/Options/Animation': 'False', 'Tarvelo/Options/Sound': 'False'};

// The well as the canvas shows it: rows of six, '.' for an empty cell, else the ball's colour
// as rrggbb.
export async function well(page) {
  return page.evaluate(() => {
    const canvas = document.querySelector('canvas[data-name="well"]');
    const ratio = canvas.width / parseFloat(canvas.style.width);
    const g = canvas.getContext('2d');
    const rows = [];
    for (let y = 0; y < 15; ++y) {
      const row = [];
      for (let x = 0; x < 6; ++x) {
        const [r, gr, b] = g.getImageData(Math.round((16 * x + 8) * ratio),
                                          Math.round((16 * y + 8) * ratio), 1, 1).data;
        const hex = ((r << 16) | (gr << 8) | b).toString(16).padStart(6, '0');
        row.push(hex === 'ffffc0' ? '.' : hex);
      }
      rows.push(row);
    }
    return rows;
  });
}

// The columns the falling pair's balls stand in, top row first.
export function balls(rows) {
  const at = [];
  rows.forEach((row, y) => row.forEach((c, x) => { if (c !== '.') at.push([x, y]); }));
  return at;
}

export const text = (page, name, win = '.main') =>
  page.locator(`${win} [data-name="${name}"]`).textContent();
export const shown = (page, name, win = '.main') =>
  page.locator(`${win} [data-name="${name}"]`).isVisible();
export const dialog = (page, caption) =>
  page.locator('.dialog', {has: page.locator(`h1:text-is("${caption}")`)});
export const sleep = ms => new Promise(done => setTimeout(done, ms));

// The menu's items, by a click on the title and on the item, as a player does.
export async function menu(page, title, item) {
  await page.locator('.menutitle', {hasText: title}).click();
  await page.locator('.menuitem:visible', {hasText: item}).click();
}

// Pairs dropped until the game ends: the game-over window is open.
export async function playtoend(page) {
  await page.keyboard.press('F2');
  for (let i = 0; i < 60 && !(await page.locator('.dialog').count()); ++i) {
    await page.keyboard.press('ArrowDown');
    await sleep(30);
  }
  await dialog(page, forms.overform.caption).waitFor();
  await sleep(300);  // keys pressed as a game ends are held back a moment
}

// The page hidden, as behind another tab or with the screen locked.
export async function hide(page) {
  await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', {value: 'hidden', configurable: true});
    document.dispatchEvent(new Event('visibilitychange'));
  });
}
