// The five sounds through Web Audio: none before the player's first key, each cutting the last
// one off, and no error where the browser has no audio.
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';
import {dialog, forms, menu, open, playtoend, profile, sleep, start, stop} from './browser.mjs';

before(start);
after(stop);

const silentfree = {'Tarvelo/Options/Animation': 'False'};  // the sound on, as by default

test('silent until the first key; then each sound cuts the one before off; a refused key beeps',
     async () => {
  const context = await profile();
  await context.addInitScript(() => {
    window.heard = [];
    // A node is heard when its connections lead to the speakers.
    const connect = AudioNode.prototype.connect;
    AudioNode.prototype.connect = function (to, ...a) {
      this.to = to;
      return connect.call(this, to, ...a);
    };
    const reaches = node => {
      for (let n = node, i = 0; n && i < 4; n = n.to, ++i) {
        if (n === n.context.destination) return true;
      }
      return false;
    };
    const start = AudioBufferSourceNode.prototype.start;
    AudioBufferSourceNode.prototype.start = function (...a) {
      window.heard.push(reaches(this) ? `start ${this.buffer.length}` : 'unheard');
      this.addEventListener('ended', () => window.heard.push('ended'));
      return start.apply(this, a);
    };
    const stop = AudioBufferSourceNode.prototype.stop;
    AudioBufferSourceNode.prototype.stop = function (...a) {
      window.heard.push('stop');
      return stop.apply(this, a);
    };
    const tone = OscillatorNode.prototype.start;
    OscillatorNode.prototype.start = function (...a) {
      window.heard.push(reaches(this) ? 'beep' : 'unheard');
      return tone.apply(this, a);
    };
  });
  const page = await open(context, silentfree);
  assert.equal(await page.evaluate(() => performance.getEntriesByType('resource')
    .filter(r => r.name.endsWith('.wav')).length), 0, 'nothing fetched before a key');
  await page.keyboard.press('Shift');  // the first key: the sounds are fetched and decoded
  await page.waitForFunction(() => performance.getEntriesByType('resource')
    .filter(r => r.name.endsWith('.wav') && r.responseEnd > 0).length === 5);
  await sleep(300);
  await page.keyboard.press('F2');
  await page.keyboard.press('ArrowUp');  // "rotate"
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('ArrowDown');  // "drop"
  const heard = await page.evaluate(() => window.heard.filter(h => h !== 'ended'));
  assert.deepEqual(heard.filter(h => h.startsWith('start')).length, 3, heard.join(', '));
  assert.deepEqual(heard.map(h => h.split(' ')[0]), ['start', 'stop', 'start', 'stop', 'start']);
  assert.notEqual(heard[0], heard[4], 'the drop is not the turn');

  // The keys window takes only keys it can name; another is refused with a beep.
  await menu(page, 'Настройки', 'Клавиши');
  const keys = dialog(page, forms.keys.caption);
  await page.keyboard.press('Pause');
  assert.equal(await keys.locator('[data-name="Text1"]').inputValue(), 'Влево');
  assert.equal(await page.evaluate(() => window.heard.filter(h => h === 'beep').length), 1);
  assert.deepEqual(page.errors, []);
});

test('without audio in the browser, a whole game is silent and raises no error', async () => {
  const context = await profile();
  await context.addInitScript(() => {
    delete window.AudioContext;
    delete window.webkitAudioContext;
  });
  const page = await open(context, silentfree);
  await playtoend(page);
  assert.deepEqual(page.errors, []);
});
