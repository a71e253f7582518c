// The page on a phone: touch controls for every game action, the windows fitted to the screen
// upright and turned, a game to a record by touch alone, pause when hidden, and the page's own
// files kept so that it starts and plays offline, replaced whole by a new version.
import assert from 'node:assert/strict';
import {cpSync, mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join} from 'node:path';
import {after, before, test} from 'node:test';
import {serve} from '../../tools/web/serve.mjs';
import {balls, build, dialog, forms, hide, open, profile, quick, sleep, start, stop, url, well}
  from './browser.mjs';

before(start);
after(stop);

const phone = {viewport: {width: 390, height: 844}, deviceScaleFactor: 3, isMobile: true,
               hasTouch: true};
const turned = {...phone, viewport: {width: 844, height: 390}};
const pictures = join(build, 'pictures');

const control = (page, action) => page.locator(`#touch [data-action="${action}"]`);
const [LEFT, RIGHT, TURN, DROP, PAUSE] = [0, 1, 2, 3, 4];
const tap = async (page, locator) => {
  const box = await locator.boundingBox();
  await page.touchscreen.tap(box.x + box.width / 2, box.y + box.height / 2);
};
const columns = async page => balls(await well(page)).map(([x]) => x);

// Everything a player needs inside the screen: the main window, every touch control, each at
// least 44 pixels square; no scrolling.
async function fitted(page) {
  const view = page.viewportSize();
  const inside = async (locator, what) => {
    const box = await locator.boundingBox();
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= view.width + 0.5 &&
              box.y + box.height <= view.height + 0.5, `${what} inside ${JSON.stringify(box)}`);
    return box;
  };
  const main = await inside(page.locator('.window.main'), 'the main window');
  for (let action = 0; action < 5; ++action) {
    const box = await inside(control(page, action), `control ${action}`);
    assert.ok(box.width >= 44 && box.height >= 44, `control ${action} is big enough`);
  }
  assert.ok(await page.evaluate(() => document.scrollingElement.scrollHeight <= innerHeight &&
                                      document.scrollingElement.scrollWidth <= innerWidth));
  return main;
}

test('fitted upright and turned, sharp, with every control inside the screen', async () => {
  for (const [options, name] of [[phone, 'phone-upright'], [turned, 'phone-turned'],
    [{...phone, viewport: {width: 320, height: 568}, deviceScaleFactor: 2}, 'phone-small'],
    [{...phone, viewport: {width: 568, height: 320}, deviceScaleFactor: 2}, 'phone-small-turned'],
    [{...phone, viewport: {width: 768, height: 1024}, deviceScaleFactor: 2}, 'tablet']]) {
    const page = await open(await profile(options), quick);
    const main = await fitted(page);
    const view = page.viewportSize();
    assert.ok(main.width > 0.8 * view.width || main.height > 0.55 * view.height,
              `${name}: the window as large as the screen holds`);
    const canvas = await page.locator('canvas[data-name="well"]').evaluate(
      c => [c.width, c.getBoundingClientRect().width * devicePixelRatio]);
    assert.ok(Math.abs(canvas[0] - canvas[1]) < 1.5, `${name}: the well drawn at the screen's pixels`);
    await tap(page, page.locator('.main [data-name="Command1"]'));
    await page.screenshot({path: join(pictures, `${name}.png`)});
    // The tallest window and the widest fit too.
    for (const [title, item, form] of [['Игра', 'Рекорды', forms.topscores],
                                       ['Справка', 'Правила', forms.rules]]) {
      await tap(page, page.locator('.menutitle', {hasText: title}));
      await tap(page, page.locator('.menuitem:visible', {hasText: item}));
      const win = dialog(page, form.caption);
      const box = await win.boundingBox();
      assert.ok(box.y >= 0 && box.y + box.height <= view.height + 0.5 &&
                box.x >= 0 && box.x + box.width <= view.width + 0.5, `${name}: ${item}`);
      if (form === forms.topscores) {
        await page.screenshot({path: join(pictures, `${name}-records.png`)});
      }
      await tap(page, win.locator('button', {hasText: 'Закрыть'}));
    }
    await page.close();
  }
});

// A laptop's touch screen: the controls appear at the first touch, and the page fits anew.
test('a screen with a mouse, touched: the touch controls appear, fitted', async () => {
  const context = await profile({viewport: {width: 420, height: 380}, hasTouch: true});
  await context.addInitScript(() => {  // a mouse is the screen's pointer
    const query = window.matchMedia;
    window.matchMedia = q => q === '(pointer: coarse)' ? {matches: false} : query.call(window, q);
  });
  const page = await open(context, quick);
  assert.ok(!(await control(page, LEFT).isVisible()), 'a mouse first');
  await tap(page, page.locator('.main [data-name="Command1"]'));
  assert.ok(await control(page, LEFT).isVisible());
  await fitted(page);
});

test('every game action by touch: move, turn, drop, pause and go on, a new game', async () => {
  const page = await open(await profile(phone), quick);
  await tap(page, page.locator('.main [data-name="Command1"]'));
  assert.deepEqual(await columns(page), [2, 2]);
  await tap(page, control(page, LEFT));
  assert.deepEqual(await columns(page), [1, 1]);
  await tap(page, control(page, RIGHT));
  await tap(page, control(page, RIGHT));
  assert.deepEqual(await columns(page), [3, 3]);
  await tap(page, control(page, TURN));
  const lying = balls(await well(page));
  assert.equal(lying[0][1], lying[1][1], 'turned');
  // Held, a move repeats; a held drop throws one pair.
  const cdp = await page.context().newCDPSession(page);
  const hold = async (action, ms) => {
    const box = await control(page, action).boundingBox();
    const point = {x: box.x + box.width / 2, y: box.y + box.height / 2};
    await cdp.send('Input.dispatchTouchEvent', {type: 'touchStart', touchPoints: [point]});
    await sleep(ms);
    await cdp.send('Input.dispatchTouchEvent', {type: 'touchEnd', touchPoints: []});
  };
  await hold(LEFT, 700);
  assert.equal(Math.min(...await columns(page)), 0, 'held, the pair went all the way');
  await hold(DROP, 700);
  const board = balls(await well(page));
  assert.equal(board.length, 4, 'one pair landed, the next at the top');
  await tap(page, control(page, PAUSE));
  assert.ok(await page.locator('.main [data-name="Command2"]').isVisible(), 'paused');
  await tap(page, control(page, PAUSE));
  assert.ok(!(await page.locator('.main [data-name="Command2"]').isVisible()), 'going on');
  await tap(page, control(page, PAUSE));
  await tap(page, page.locator('.main [data-name="Command2"]'));
  assert.ok(!(await page.locator('.main [data-name="Command2"]').isVisible()));
  await tap(page, page.locator('.menutitle', {hasText: 'Игра'}));
  await tap(page, page.locator('.menuitem:visible', {hasText: 'Новая'}));
  assert.equal(balls(await well(page)).length, 2, 'a new game');
  assert.deepEqual(page.errors, []);
});

test('a game played to a record by touch alone, the name from the phone\'s keyboard', async () => {
  const page = await open(await profile(phone), quick);
  await tap(page, page.locator('.main [data-name="Command1"]'));
  for (let i = 0; i < 60 && !(await page.locator('.dialog').count()); ++i) {
    await tap(page, control(page, DROP));
  }
  const over = dialog(page, forms.overform.caption);
  await over.waitFor();
  await sleep(300);
  await tap(page, over.locator('[data-name="yourname"]'));
  await page.keyboard.press('Control+A');
  await page.keyboard.insertText('Даша');  // as a phone's keyboard enters text
  await tap(page, over.locator('button', {hasText: 'Ok'}));
  const records = dialog(page, forms.topscores.caption);
  await records.waitFor();
  assert.equal(await records.locator('[data-name="names0"]').textContent(), 'Даша');
  await page.screenshot({path: join(pictures, 'phone-record.png')});
  await tap(page, records.locator('button', {hasText: 'Закрыть'}));
  assert.equal(await page.locator('.dialog').count(), 0);
});

test('hidden, a game pauses and the options are saved; back, "Продолжить" goes on; the ' +
     'screen is kept on only in play', async () => {
  const context = await profile(phone);
  await context.addInitScript(() => {
    window.wakelocks = [];
    const release = () => { window.wakelocks.push('off'); return Promise.resolve(); };
    Object.defineProperty(navigator, 'wakeLock', {configurable: true, value: {
      request: () => { window.wakelocks.push('on'); return Promise.resolve({release}); }}});
  });
  const page = await open(context, quick);
  const wakelocks = () => page.evaluate(() => window.wakelocks);
  await tap(page, page.locator('.main [data-name="Command1"]'));
  await tap(page, control(page, PAUSE));
  await tap(page, control(page, PAUSE));
  assert.deepEqual(await wakelocks(), ['on', 'off', 'on']);
  await hide(page);  // the browser lets the lock go with the page
  assert.ok(await page.locator('.main [data-name="Command2"]').isVisible());
  assert.equal(await page.evaluate(() => localStorage.getItem('Tarvelo/Options/Animation')),
               'False');
  const paused = await well(page);
  await sleep(900);
  assert.deepEqual(await well(page), paused);
  await tap(page, page.locator('.main [data-name="Command2"]'));
  assert.ok(!(await page.locator('.main [data-name="Command2"]').isVisible()));
  assert.deepEqual(await wakelocks(), ['on', 'off', 'on', 'on']);
});

// The worker's files from a folder of our own, so that a test can put a new version there.
async function site() {
  const folder = mkdtempSync(join(tmpdir(), 'tarvelo-site-'));
  for (const f of ['index.html', 'tarvelo.css', 'tarvelo.js', 'tarvelo.wasm', 'sw.js',
                   'manifest.webmanifest', 'sounds', 'icons'])
    cpSync(join(build, f), join(folder, f), {recursive: true});
  const server = await serve(folder);
  return {folder, server, url: `http://127.0.0.1:${server.address().port}/`};
}

const ready = page => page.evaluate(async () => {
  await navigator.serviceWorker.ready;
  return (await caches.keys()).filter(k => k.startsWith('tarvelo-'));
});

const installed = {...phone, serviceWorkers: 'allow'};

test('after one visit the game starts and plays with no network', async () => {
  const {server, url: home} = await site();
  const context = await profile(installed);
  let page = await context.newPage();
  await page.goto(home);
  assert.equal((await ready(page)).length, 1);
  await context.setOffline(true);
  page = await context.newPage();
  await page.goto(home);
  await page.locator('.main canvas[data-name="well"]').waitFor();
  await tap(page, page.locator('.main [data-name="Command1"]'));
  await tap(page, control(page, LEFT));
  assert.deepEqual(await columns(page), [1, 1]);
  assert.equal(await page.evaluate(async () => (await fetch('sounds/drop.wav')).status), 200);
  server.close();
});

test('a new version replaces the one kept, whole, once the old one\'s pages are closed', async () => {
  const {folder, server, url: home} = await site();
  const context = await profile(installed);
  let page = await context.newPage();
  await page.goto(home);
  const [first] = await ready(page);
  await page.close();
  // The new version: another style, and the worker that names it.
  writeFileSync(join(folder, 'tarvelo.css'),
                readFileSync(join(folder, 'tarvelo.css'), 'utf8') + '\n#stage { --build: 2; }\n');
  writeFileSync(join(folder, 'sw.js'),
                readFileSync(join(folder, 'sw.js'), 'utf8').replace(/tarvelo-\w+/, 'tarvelo-new'));
  page = await context.newPage();
  await page.goto(home);
  // This page is the old version's, all of it, while the new one is fetched beside it.
  assert.equal(await page.evaluate(() => getComputedStyle(document.getElementById('stage'))
    .getPropertyValue('--build')), '');
  await page.evaluate(async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    await registration.update();
    while (!registration.waiting) await new Promise(done => setTimeout(done, 50));
  });
  await page.close();
  page = await context.newPage();
  await page.goto(home);
  await page.waitForFunction(async () => {
    const kept = (await caches.keys()).filter(k => k.startsWith('tarvelo-'));
    return kept.length === 1 && kept[0].startsWith('tarvelo-new ');
  });
  assert.ok(!first.startsWith('tarvelo-new '));
  await page.close();
  page = await context.newPage();  // a visit once the new version has taken over
  await page.goto(home);
  assert.equal(await page.evaluate(() => getComputedStyle(document.getElementById('stage'))
    .getPropertyValue('--build').trim()), '2');
  server.close();
});
