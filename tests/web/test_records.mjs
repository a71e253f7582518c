// Records in the browser: a game played to the list with a Cyrillic name, two tabs at once, a
// storage that refuses writes, a tab closed while the list would take the result, and names
// shown as text.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {dialog, forms, open, playtoend, profile, quick, sleep, start, stop} from './browser.mjs';

before(start);
after(stop);

const stored = (page, key) => page.evaluate(k => localStorage.getItem(k), 'Tarvelo/TopScores/' + key);
const names = page => dialog(page, forms.topscores.caption).locator('[data-name^="names"]')
  .allTextContents();

// Enters a name in the game-over window and waits for the records it opens.
async function enter(page, name) {
  const over = dialog(page, forms.overform.caption);
  assert.equal(await over.locator('[data-name="yourname"]').inputValue(), 'Anonymous');
  await page.keyboard.type(name);  // the name offered is selected: typing replaces it
  await page.keyboard.press('Enter');
  await dialog(page, forms.topscores.caption).waitFor();
}

test('a game played to the list: the name typed in Cyrillic is on disk and in the table', async () => {
  const page = await open(await profile(), quick);
  await page.keyboard.press('F2');
  for (let i = 0; i < 60 && !(await page.locator('.dialog').count()); ++i)
    await page.keyboard.press('ArrowDown');
  await page.keyboard.type('zz');  // meant for the game that just ended: they go nowhere
  await sleep(300);
  const over = dialog(page, forms.overform.caption);
  const score = await over.locator('[data-name="score"]').textContent();
  await enter(page, 'Вася Пупкин');
  assert.equal(await stored(page, 'Name 1'), 'Вася Пупкин');
  assert.equal(await stored(page, 'Record 1'), score);
  assert.deepEqual((await names(page)).slice(0, 2), ['Вася Пупкин', '-']);
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('.dialog').count(), 0);
  assert.ok(await page.locator('.main [data-name="Command1"]').isVisible(), 'idle again');
  assert.deepEqual(page.errors, []);
});

test('two tabs at once: neither loses the other\'s records', async () => {
  const context = await profile();
  const first = await open(context, quick);
  const second = await open(context, quick);
  await playtoend(first);
  await playtoend(second);
  // Both names entered at once: the store's lock takes one after the other.
  await Promise.all([enter(first, 'Первый'), enter(second, 'Второй')]);
  const both = [await stored(first, 'Name 1'), await stored(first, 'Name 2')].sort();
  assert.deepEqual(both, ['Второй', 'Первый']);
  // A third, in the first tab, after the second's: all three.
  await first.keyboard.press('Escape');
  await playtoend(first);
  await enter(first, 'Третий');
  const all = (await names(first)).filter(n => n !== '-').sort();
  assert.deepEqual(all, ['Второй', 'Первый', 'Третий']);
});

test('a storage that refuses writes: the warning, the record kept in the game, nothing lost', async () => {
  const context = await profile();
  const old = {'Tarvelo/TopScores/Record 1': '100000', 'Tarvelo/TopScores/Name 1': 'Старый'};
  const page = await open(context, {...quick, ...old});
  // From now on the storage is full: the names still go in, the scores no longer.
  await page.evaluate(() => {
    const set = Storage.prototype.setItem;
    Storage.prototype.setItem = function (key, value) {
      if (key.includes('/Record ')) throw new DOMException('full', 'QuotaExceededError');
      return set.call(this, key, value);
    };
  });
  await playtoend(page);
  await enter(page, 'Новый');
  assert.deepEqual(page.errors, ['tarvelo: не удалось записать настройки в localStorage']);
  assert.deepEqual((await names(page)).slice(0, 2), ['Старый', 'Новый']);
  assert.equal(await stored(page, 'Name 1'), 'Старый');
  assert.equal(await stored(page, 'Record 1'), '100000');
  assert.equal(await stored(page, 'Name 2'), null, 'nothing half written');
});

test('a tab closed during a game the list would take keeps it under the name last entered', async () => {
  const context = await profile();
  let page = await open(context, quick);
  await page.keyboard.press('F2');
  await page.keyboard.press('ArrowDown');
  await page.close();  // the browser asks the page nothing
  page = await open(context);
  assert.equal(await stored(page, 'Name 1'), 'Anonymous');
  // Closed while the game-over window asks: under the name typed so far.
  await playtoend(page);
  await page.keyboard.type('Петя');
  await page.close();
  page = await open(context);
  assert.deepEqual([await stored(page, 'Name 1'), await stored(page, 'Name 2')].sort(),
                   ['Anonymous', 'Петя']);
  // A name entered, then a game closed unfinished: under that name.
  await playtoend(page);
  await enter(page, 'Маша');
  await page.keyboard.press('Escape');
  await page.keyboard.press('F2');
  await page.close();
  page = await open(context);
  assert.equal((await page.evaluate(() => Object.entries(localStorage)
    .filter(([k, v]) => k.startsWith('Tarvelo/TopScores/Name') && v === 'Маша').length)), 2);
});

test('a name is shown as text everywhere, whatever it holds', async () => {
  const name = '<img src=x onerror=alert(1)>';
  const page = await open(await profile(), {...quick, 'Tarvelo/TopScores/Record 1': '5',
                                            'Tarvelo/TopScores/Name 1': name});
  let alerted = false;
  page.on('dialog', d => { alerted = true; d.dismiss(); });
  await page.keyboard.press('Control+KeyH');
  const records = dialog(page, forms.topscores.caption);
  await records.waitFor();
  assert.equal((await names(page))[0], name);
  assert.equal(await records.locator('img').count(), 0);
  await sleep(200);
  assert.ok(!alerted);
});
