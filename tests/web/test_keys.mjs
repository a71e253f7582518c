// Keys as the browser delivers them: the game's keys and their repeat, the keys window with a
// Latin and a Russian layout, and the browser's own keys left alone.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {balls, dialog, forms, hide, menu, open, profile, quick, shown, sleep, start, stop, well}
  from './browser.mjs';

before(start);
after(stop);

const columns = async page => balls(await well(page)).map(([x]) => x);

// A key as a keyboard sends it, through the protocol: what it types, where it sits, and
// whether the system repeats it.
async function key(page, cdp, key, code, vk, {repeat = false, text = ''} = {}) {
  await cdp.send('Input.dispatchKeyEvent', {type: text ? 'keyDown' : 'rawKeyDown', key, code,
    windowsVirtualKeyCode: vk, autoRepeat: repeat, text});
}

test('the pair moves, turns and drops by the keys, one drop for a held key', async () => {
  const page = await open(await profile(), quick);
  const cdp = await page.context().newCDPSession(page);
  await page.keyboard.press('F2');
  assert.deepEqual(await columns(page), [2, 2], 'a new pair stands upright in the third column');
  await page.keyboard.press('ArrowLeft');
  assert.deepEqual(await columns(page), [1, 1]);
  await page.keyboard.press('ArrowUp');
  const turned = balls(await well(page));
  assert.equal(turned[0][1], turned[1][1], 'turned, the pair lies in one row');
  // Held down: the system repeats the key, and only the first press drops.
  await key(page, cdp, 'ArrowDown', 'ArrowDown', 40);
  for (let i = 0; i < 5; ++i) await key(page, cdp, 'ArrowDown', 'ArrowDown', 40, {repeat: true});
  await cdp.send('Input.dispatchKeyEvent', {type: 'keyUp', key: 'ArrowDown', code: 'ArrowDown',
    windowsVirtualKeyCode: 40});
  const board = balls(await well(page));
  assert.equal(board.length, 4, 'one pair on the floor and the next at the top');
  assert.equal(board.filter(([, y]) => y === 14).length, 2);
  // Held, Left repeats.
  await key(page, cdp, 'ArrowLeft', 'ArrowLeft', 37);
  await key(page, cdp, 'ArrowLeft', 'ArrowLeft', 37, {repeat: true});
  assert.deepEqual((await columns(page)).slice(0, 2), [0, 0]);

  await page.keyboard.press('p');
  assert.ok(await shown(page, 'Command2'), '"Продолжить" stands over a paused game');
  const paused = await well(page);
  await sleep(900);
  assert.deepEqual(await well(page), paused, 'a paused pair does not fall');
  await page.locator('.main button', {hasText: 'Продолжить'}).click();
  assert.ok(!(await shown(page, 'Command2')));
  await page.keyboard.press('ArrowRight');
  assert.deepEqual((await columns(page)).slice(0, 2), [1, 1], 'the keys are the game\'s again');
  assert.deepEqual(page.errors, []);
});

test('keys bound in the keys window play with a Latin and a Russian layout', async () => {
  const page = await open(await profile(), quick);
  const cdp = await page.context().newCDPSession(page);
  await menu(page, 'Настройки', 'Клавиши');
  const keys = dialog(page, forms.keys.caption);
  assert.equal(await keys.locator('[data-name="Text1"]').inputValue(), 'Влево');
  // A with a Russian layout types ф; it is bound as A, by its place.
  await key(page, cdp, 'ф', 'KeyA', 65, {text: 'ф'});
  assert.equal(await keys.locator('[data-name="Text1"]').inputValue(), 'A');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Escape');  // a key to bind here, not the window's cancel
  assert.equal(await keys.locator('[data-name="Text2"]').inputValue(), 'Escape');
  await page.keyboard.press('Tab');
  await page.keyboard.press('Shift');  // taken, as Windows takes it
  await keys.locator('button', {hasText: 'Сохранить'}).click();
  assert.equal(await page.locator('.dialog').count(), 0);

  await page.keyboard.press('F2');
  await key(page, cdp, 'ф', 'KeyA', 65, {text: 'ф'});
  assert.deepEqual(await columns(page), [1, 1], 'ф moves the pair as A does');
  await page.keyboard.press('a');
  assert.deepEqual(await columns(page), [0, 0]);
  await page.keyboard.press('ArrowLeft');  // no longer bound
  await page.keyboard.press('Escape');     // bound to Right
  assert.deepEqual(await columns(page), [1, 1]);
  await hide(page);  // which saves the options
  assert.equal(await page.evaluate(() => localStorage.getItem('Tarvelo/Keys/Left')), '65');
});

test('the browser keeps its own keys; the game takes only what it plays with', async () => {
  const page = await open(await profile(), quick);
  await page.evaluate(() => {
    window.seen = [];
    addEventListener('keydown', e => window.seen.push(`${e.key}:${e.defaultPrevented}`));
  });
  await page.keyboard.press('F2');
  for (const k of ['ArrowLeft', 'Control+KeyR', 'Control+Equal', 'Control+Tab', 'F5', 'F11',
                   'KeyQ', 'Control+KeyH']) {
    await page.keyboard.press(k);
  }
  await page.keyboard.press('Escape');
  assert.deepEqual(await page.evaluate(() => window.seen.filter(s => !/^(Control|Shift)/.test(s))),
    ['F2:true', 'ArrowLeft:true', 'r:false', '=:false', 'Tab:false', 'F5:false', 'F11:false',
     'q:false', 'h:true', 'Escape:true']);
  assert.ok(await dialog(page, forms.topscores.caption).count() === 0, 'Esc closed the records');
});
