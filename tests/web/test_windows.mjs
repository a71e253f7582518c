// The windows as the player meets them: each against its description, opened from the menu by
// mouse and keyboard, Enter and Esc in them, the keys back to the game after each, pictures of
// each, and the page under its Content-Security-Policy.
import assert from 'node:assert/strict';
import {mkdirSync, readFileSync} from 'node:fs';
import {join} from 'node:path';
import {after, before, test} from 'node:test';
import {balls, build, dialog, forms, hide, menu, open, playtoend, profile, quick, root, sleep, start,
  stop, url, well} from './browser.mjs';

before(start);
after(stop);

const painted = new Set([6, 7, 8]);  // shapes, circles and the hatched bar: on canvases
const pictures = join(build, 'pictures');
mkdirSync(pictures, {recursive: true});

// Every control of the form where the description puts it, its caption, shown or hidden as it
// opens; the client area of its size.
async function walk(page, form, win) {
  const found = await win.evaluate(w => {
    const client = w.querySelector('.client');
    return {
      caption: w.querySelector('h1').textContent,
      width: client.clientWidth, height: client.clientHeight,
      // Laid out where shown; where hidden, as it would be.
      controls: Object.fromEntries([...client.querySelectorAll('[data-name]')].map(el => {
        const style = getComputedStyle(el);
        const [x, y, w, h] = el.hidden
          ? ['left', 'top', 'width', 'height'].map(p => parseFloat(style[p]))
          : [el.offsetLeft, el.offsetTop, el.offsetWidth, el.offsetHeight];
        const text = /INPUT|TEXTAREA/.test(el.tagName) ? el.value : el.textContent;
        return [el.dataset.name, {x, y, w, h, text, hidden: el.hidden}];
      })),
    };
  });
  assert.equal(found.caption, form.caption);
  assert.deepEqual([found.width, found.height], [form.width, form.height], form.caption);
  for (const c of form.controls.filter(c => !painted.has(c.kind))) {
    const el = found.controls[c.name];
    assert.ok(el, `${form.caption}: ${c.name}`);
    // A rule is its line; the icon stands at its natural size.
    const size = c.kind === 10 ? [32, 32] : [c.w, c.kind === 9 ? 2 : c.h];
    assert.deepEqual([el.x, el.y, el.w, el.h], [c.x, c.y, ...size],
                     `${form.caption}: ${c.name}'s place`);
    if (c.caption && !/^(score|names|col|level)$/.test(c.name.replace(/\d+$/, '')))
      assert.equal(el.text, c.caption, `${form.caption}: ${c.name}'s caption`);
    if (c.name !== 'info' && c.name !== 'Command2') assert.equal(el.hidden, c.hidden, c.name);
  }
}

test('every window stands as described, and the keys come back to the game after each', async () => {
  const page = await open(await profile({viewport: {width: 800, height: 600}}), quick);
  await walk(page, forms.main, page.locator('.main'));
  await page.screenshot({path: join(pictures, '01-main-idle.png')});
  await page.keyboard.press('F2');
  await page.keyboard.press('p');
  await page.screenshot({path: join(pictures, '03-main-paused.png')});
  const windows = [
    ['Игра', 'Рекорды', forms.topscores, '04-records'],
    ['Настройки', 'Цвета', forms.colorform, '05-colours'],
    ['Настройки', 'Клавиши', forms.keys, '06-keys'],
    ['Справка', 'Правила', forms.rules, '07-rules'],
    ['Справка', 'О программе', forms.about, '08-about'],
  ];
  for (const [title, item, form, picture] of windows) {
    await menu(page, title, item);
    const win = dialog(page, form.caption);
    await walk(page, form, win);
    assert.ok(await win.evaluate(w => w.contains(document.activeElement)), 'it has the keyboard');
    await page.screenshot({path: join(pictures, picture + '.png')});
    // A click on the main window brings the window over it forward, with the keyboard.
    const main = await page.locator('.main .client').boundingBox();
    await page.mouse.click(main.x + 4, main.y + main.height - 4);  // beside the window over it
    assert.ok(await win.evaluate(w => w.contains(document.activeElement)), form.caption);
    await win.locator('.closebox').click();
    assert.equal(await page.locator('.dialog').count(), 0);
    await page.keyboard.press('F2');
    await page.keyboard.press('ArrowLeft');
    assert.deepEqual(balls(await well(page)).map(([x]) => x), [1, 1], `keys after ${form.caption}`);
  }
  await playtoend(page);
  await walk(page, {...forms.overform, controls: forms.overform.controls.filter(
    c => !c.hidden)}, dialog(page, forms.overform.caption));
  await page.screenshot({path: join(pictures, '09-gameover.png')});
  assert.deepEqual(page.errors, []);
});

test('the menu and the windows by the keyboard: F10, Alt with a letter, Enter and Esc', async () => {
  // The browser's colour picker is its own window, out of the protocol's reach: the page's
  // asking for it is counted, and the colour it would give is set on the page's input.
  const context = await profile();
  await context.addInitScript(() => {
    window.pickers = 0;
    const click = HTMLInputElement.prototype.click;
    HTMLInputElement.prototype.click = function () {
      if (this.type === 'color') ++window.pickers;
      else click.call(this);
    };
  });
  const page = await open(context, quick);
  const cdp = await page.context().newCDPSession(page);
  // F10, then right twice to "Настройки", down to "Цвета".
  for (const k of ['F10', 'ArrowRight', 'ArrowRight', 'ArrowDown', 'ArrowDown', 'ArrowDown'])
    await page.keyboard.press(k);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Цвета');
  await page.keyboard.press('Enter');
  const colours = dialog(page, forms.colorform.caption);
  await colours.waitFor();
  assert.equal(await page.locator('.menu:visible').count(), 0, 'the menu closed');
  // The third colour from the browser's picker, then Enter, which presses "Ok".
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Space');
  assert.equal(await page.evaluate(() => window.pickers), 1);
  await page.locator('input[type="color"]').evaluate(picker => {
    picker.value = '#ff0000';
    picker.dispatchEvent(new Event('change'));
  });
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('.dialog').count(), 0);
  assert.equal(await page.evaluate(() => localStorage.getItem('Tarvelo/Colors/3')), null,
               'kept until the options are saved');
  // Alt with a title's Cyrillic letter, then an item's letter: "Справка", "Правила".
  await cdp.send('Input.dispatchKeyEvent', {type: 'rawKeyDown', key: 'с', code: 'KeyC',
    windowsVirtualKeyCode: 67, modifiers: 1});
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyDown', key: 'п', code: 'KeyG', text: 'п',
    windowsVirtualKeyCode: 71});
  const rules = dialog(page, forms.rules.caption);
  await rules.waitFor();
  assert.equal(await page.locator('.menu:visible').count(), 0, 'the menu closed');
  assert.match(await rules.locator('textarea').inputValue(), /^Цель игры/);
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('.dialog').count(), 0);
  // The options go to the store when the page hides.
  await hide(page);
  const colors = () => page.evaluate(
    () => ['1', '3'].map(n => localStorage.getItem('Tarvelo/Colors/' + n)));
  const [first, third] = await colors();
  assert.equal(third, '255');
  // Esc in the colours window is "Отмена": the first colour picked there is dropped.
  await menu(page, 'Настройки', 'Цвета');
  await page.keyboard.press('Space');
  await page.locator('input[type="color"]').evaluate(picker => {
    picker.value = '#00ff00';
    picker.dispatchEvent(new Event('change'));
  });
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('.dialog').count(), 0);
  await hide(page);
  assert.deepEqual(await colors(), [first, '255']);
  assert.deepEqual(page.errors, []);
});

test('the page runs under its policy: no eval, no inline script, nothing from elsewhere', async () => {
  const context = await profile();
  await context.addInitScript(() => {
    window.violations = [];
    document.addEventListener('securitypolicyviolation',
                              e => window.violations.push(e.violatedDirective));
  });
  const requests = [];
  context.on('request', r => requests.push(r.url()));
  const page = await open(context, quick);
  await playtoend(page);
  await page.keyboard.type('Кто-то');
  await page.keyboard.press('Enter');
  await dialog(page, forms.topscores.caption).waitFor();
  assert.deepEqual(await page.evaluate(() => window.violations), []);
  assert.deepEqual(requests.filter(r => !r.startsWith(url)), []);
  const policy = await page.locator('meta[http-equiv="Content-Security-Policy"]')
    .getAttribute('content');
  assert.match(policy, /script-src 'self' 'wasm-unsafe-eval';/);
  assert.doesNotMatch(policy, /unsafe-inline|'unsafe-eval'/);
});

// The Linux program's picture of a game just started, at the same frozen time of day: the
// same pairs dealt, each ball in the same cell, in the same colour.
test('the well in play stands as the Linux program\'s, cell by cell', async () => {
  const page = await (await profile()).newPage();
  await page.clock.setFixedTime(new Date('2026-12-08T12:00:00Z'));
  await page.goto(url);
  await page.locator('.main canvas[data-name="well"]').waitFor();
  await page.locator('.main .client').focus();
  for (const k of ['F2', 'ArrowLeft', 'ArrowUp', 'p']) await page.keyboard.press(k);
  const ours = await well(page);
  const hex = ([r, g, b]) => ((r << 16) | (g << 8) | b).toString(16).padStart(6, '0');
  const preview = (await page.locator('canvas[data-name="preview"]').evaluate(c => [0, 1].map(
    i => [...c.getContext('2d').getImageData(Math.round(c.width * (0.4 + 0.25 * i)),
                                             Math.round(c.height / 2), 1, 1).data]))).map(hex);

  // The Linux picture, read by a page of the same origin without the game.
  const linux = readFileSync(join(root, 'tests/pictures/linux/02-main-play.png'));
  await page.route(url + 'linux.png', r => r.fulfill({body: linux, contentType: 'image/png'}));
  await page.route(url + 'blank', r => r.fulfill({body: '', contentType: 'text/html'}));
  await page.goto(url + 'blank');
  const theirs = await page.evaluate(async () => {
    const image = new Image();
    image.src = 'linux.png';
    await image.decode();
    const canvas = document.createElement('canvas');
    [canvas.width, canvas.height] = [image.width, image.height];
    const g = canvas.getContext('2d');
    g.drawImage(image, 0, 0);
    // The client area starts under the menu bar, 18 pixels down.
    const at = (x, y) => {
      const [r, gr, b] = g.getImageData(x, y + 18, 1, 1).data;
      return ((r << 16) | (gr << 8) | b).toString(16).padStart(6, '0');
    };
    return {
      well: [...Array(15).keys()].map(y => [...Array(6).keys()].map(
        x => at(96 + 16 * x + 8, 16 + 16 * y + 8))),
      preview: [at(208 + 26, 46 + 13), at(208 + 42, 46 + 13)],
    };
  });
  // The browser reads the picture through its colour management: a unit off here and there.
  const near = (a, b) => [0, 8, 16].every(
    shift => Math.abs((parseInt(a, 16) >> shift & 255) - (parseInt(b, 16) >> shift & 255)) <= 2);
  const same = (mine, linux) => near(mine === '.' ? 'ffffc0' : mine, linux) ? mine : linux;
  assert.deepEqual(ours, ours.map((row, y) => row.map((c, x) => same(c, theirs.well[y][x]))));
  assert.deepEqual(preview, preview.map((c, i) => same(c, theirs.preview[i])));
  assert.equal(balls(ours).length, 2, 'the pair, and nothing else');
});

test('the canvases are drawn at the device\'s pixel ratio', async () => {
  for (const ratio of [1, 1.5, 2]) {
    const page = await open(await profile({deviceScaleFactor: ratio}), quick);
    const size = await page.locator('canvas[data-name="well"]').evaluate(
      c => [c.width, c.height, parseFloat(c.style.width), parseFloat(c.style.height),
            c.getBoundingClientRect().width]);
    assert.deepEqual(size.slice(0, 2), [Math.round(size[2] * ratio), Math.round(size[3] * ratio)]);
    assert.equal(size[4], size[2], 'a desktop\'s window at its own size, however large the page');
    await page.keyboard.press('F2');
    assert.equal(balls(await well(page)).length, 2, `${ratio}: the pair`);
    if (ratio === 2) await page.screenshot({path: join(pictures, '02-main-play-2x.png')});
    await page.close();
  }
});
