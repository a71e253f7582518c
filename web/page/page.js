// The page's side of the web front end: windows, controls, the menu bar and the canvases in
// the DOM, keys and clicks passed to the C++ side, the store, sound and the page's own events.
// Everything about the game, its windows and its texts comes from the C++ side; what is here
// is what a toolkit would do. Linked into tarvelo.js by Emscripten (--js-library), so the page
// runs no inline script and no eval.
mergeInto(LibraryManager.library, {
  $Page: {
    els: [],        // every element the C++ side made, by handle
    windows: {},    // window number to its element
    menus: [],      // the menu bar's titles, each {title, list, items: [{el, enabled}]}
    openmenu: -1,   // the menu dropped down, or -1
    audio: null,    // the AudioContext, made at the first key or click
    sounds: {},     // decoded buffers by name
    playing: null,  // the source now sounding: a new sound cuts it off
    scale: 1,       // of the windows, to fit the screen
    largest: null,  // the largest client area of a window over the main one, in CSS pixels
    touch: false,   // the touch controls are shown
    wakelock: null,
    add: function(el) { Page.els.push(el); return Page.els.length - 1; },
    str: function(s) {
      const size = lengthBytesUTF8(s) + 1;
      const p = _malloc(size);
      stringToUTF8(s, p, size);
      return p;
    },
    // "&Игра": the letter after & underlined, and the key that opens it.
    mnemonic: function(el, caption) {
      const at = caption.indexOf('&');
      if (at < 0) { el.textContent = caption; return ''; }
      const u = document.createElement('u');
      u.textContent = caption.charAt(at + 1);
      el.append(caption.slice(0, at), u, caption.slice(at + 2));
      return caption.charAt(at + 1).toLowerCase();
    },
    key: function(e, win, handle) {
      const withkey = (s, f) => { const p = Page.str(s); const r = f(p); _free(p); return r; };
      return withkey(e.key, k => withkey(e.code, c =>
        _tv_keydown(win, handle, k, c, e.repeat, e.ctrlKey || e.metaKey, e.altKey)));
    },
    unlockaudio: function() {
      if (Page.audio || !window.AudioContext) return;
      Page.audio = new AudioContext();
      for (const name of Object.keys(Page.sounds)) {
        fetch('sounds/' + name + '.wav').then(r => r.arrayBuffer())
          .then(b => Page.audio.decodeAudioData(b))
          .then(buffer => { Page.sounds[name] = buffer; }, () => {});
      }
    },
    topwindow: function() {
      const open = document.querySelectorAll('.dialog');
      return open.length ? open[open.length - 1] : null;
    },
    closemenu: function() {
      if (Page.openmenu < 0) return;
      const m = Page.menus[Page.openmenu];
      m.list.hidden = true;
      m.title.classList.remove('selected');
      m.title.setAttribute('aria-expanded', 'false');
      Page.openmenu = -1;
    },
    // A title selected, as F10 leaves it: the arrows move along the bar, Down drops it.
    selecttitle: function(n) {
      Page.closemenu();
      const m = Page.menus[n];
      m.title.classList.add('selected');
      Page.openmenu = n;
      m.title.focus();
    },
    dropmenu: function(n, focusfirst) {
      Page.selecttitle(n);
      const m = Page.menus[n];
      m.list.hidden = false;
      m.title.setAttribute('aria-expanded', 'true');
      if (focusfirst) Page.stepitem(m, -1, 1);
    },
    stepitem: function(m, from, step) {
      const n = m.items.length;
      for (let i = 1; i <= n; ++i) {
        const item = m.items[(from + step * i + n * 2) % n];
        if (item.enabled) { item.el.focus(); return; }
      }
    },
    // The menu bar's keys: the arrows, Enter, Esc and the letters, as a desktop's menu bar.
    menukey: function(e) {
      const m = Page.menus[Page.openmenu];
      const dropped = !m.list.hidden;
      const at = m.items.findIndex(i => i.el === document.activeElement);
      const count = Page.menus.length;
      const move = n => dropped ? Page.dropmenu(n, true) : Page.selecttitle(n);
      switch (e.key) {
        case 'ArrowDown': if (dropped) Page.stepitem(m, at, 1); else Page.dropmenu(Page.openmenu, true); break;
        case 'ArrowUp': if (dropped) Page.stepitem(m, at < 0 ? 0 : at, -1); break;
        case 'ArrowRight': move((Page.openmenu + 1) % count); break;
        case 'ArrowLeft': move((Page.openmenu + count - 1) % count); break;
        case 'Escape': case 'F10': case 'Alt': Page.closemenu(); Page.backtogame(); break;
        case 'Enter': case ' ':
          if (at >= 0) m.items[at].el.click(); else Page.dropmenu(Page.openmenu, true);
          break;
        default: {
          const letter = e.key.toLowerCase();
          if (!dropped) {
            const n = Page.menus.findIndex(t => t.letter === letter);
            if (n < 0) return false;
            Page.dropmenu(n, true);
            break;
          }
          const item = m.items.find(i => i.enabled && i.letter === letter);
          if (item) item.el.click(); else return false;
        }
      }
      return true;
    },
    // The windows scaled as a whole to the largest size the screen holds beside the touch
    // controls; where a mouse points, never above their own size.
    fit: function() {
      const main = Page.windows[0];
      const stage = document.getElementById('stage');
      const desk = document.getElementById('desk');
      const framew = main.offsetWidth - main.client.offsetWidth;
      const frameh = main.offsetHeight - main.client.offsetHeight - main.menubar.offsetHeight;
      const w = Math.max(main.offsetWidth, Page.largest.w + framew);
      const h = Math.max(main.offsetHeight, Page.largest.h + frameh);
      desk.style.width = w + 'px';
      desk.style.height = h + 'px';
      const view = window.visualViewport || {width: innerWidth, height: innerHeight};
      const bar = document.getElementById('touch');
      const body = getComputedStyle(document.body);
      let roomw = view.width - parseFloat(body.paddingLeft) - parseFloat(body.paddingRight);
      let roomh = view.height - parseFloat(body.paddingTop) - parseFloat(body.paddingBottom);
      if (Page.touch && body.flexDirection === 'row') {  // turned: the controls either side
        for (const group of bar.children) {
          const margins = getComputedStyle(group);
          roomw -= group.offsetWidth + parseFloat(margins.marginLeft) +
            parseFloat(margins.marginRight);
        }
      } else if (Page.touch) {
        roomh -= bar.offsetHeight;
      }
      let scale = Math.min(roomw / w, roomh / h);
      if (!Page.touch) scale = Math.min(scale, 1);
      scale = Math.max(scale, 0.25);
      desk.style.transform = 'scale(' + scale + ')';
      stage.style.width = w * scale + 'px';
      stage.style.height = h * scale + 'px';
      if (scale !== Page.scale) {
        Page.scale = scale;
        _tv_repaint();
      }
    },
    touchmode: function() {
      if (Page.touch) return;
      Page.touch = true;
      document.body.classList.add('touch');
      Page.fit();
    },
    backtogame: function() {
      const top = Page.topwindow();
      if (top) { top.focuswithin(); return; }
      Page.windows[0].client.focus();
    },
  },

  tv_setup__deps: ['$Page'],
  tv_setup: function(largestwidth, largestheight) {
    Page.largest = {w: largestwidth, h: largestheight};
    document.addEventListener('keydown', e => {
      Page.unlockaudio();
      if (Page.openmenu >= 0) {
        if (Page.menukey(e)) e.preventDefault();
        return;
      }
      // F10, or Alt with a title's letter, opens the menu while the main window has the keys.
      const main = Page.windows[0];
      if (!Page.topwindow() && e.key === 'F10' && !e.shiftKey) {
        Page.selecttitle(0);
        e.preventDefault();
        return;
      }
      if (!Page.topwindow() && e.altKey && !e.ctrlKey) {
        const n = Page.menus.findIndex(m => m.letter === e.key.toLowerCase());
        if (n >= 0) { Page.dropmenu(n, true); e.preventDefault(); return; }
      }
      // Keys that reach no window of ours go to the one in front.
      const win = e.target.closest('.window') || Page.topwindow() || main;
      if (win.hidden) return;
      const handle = Page.els.indexOf(e.target);
      if (Page.key(e, win.number, handle)) e.preventDefault();
      else if (win === main && e.target === main.client && e.key === ' ') e.preventDefault();
    });
    document.addEventListener('keyup', e => { if (e.key === 'Alt') e.preventDefault(); });
    // A click on the main window, while a window of ours is open over it, brings that forward.
    document.addEventListener('mousedown', e => {
      Page.unlockaudio();
      const top = Page.topwindow();
      if (Page.openmenu >= 0 && !e.target.closest('.menubar')) Page.closemenu();
      // A click that lands on nothing that takes the keyboard leaves it where it was.
      if (!e.target.closest('button, input, textarea')) e.preventDefault();
      if (top && e.target.closest('.main')) {
        top.focuswithin();
        top.classList.remove('flash');
        void top.offsetWidth;
        top.classList.add('flash');
      }
    });
    document.addEventListener('touchstart', () => {
      Page.unlockaudio();
      Page.touchmode();
    }, {passive: true});
    // The main window's client area never loses the keys to a click on it.
    document.addEventListener('mouseup', e => {
      const top = Page.topwindow();
      if (top && !e.target.closest('.dialog')) top.focuswithin();
      if (!top && Page.openmenu < 0 && !document.activeElement.closest('.menubar'))
        Page.windows[0].client.focus();
    });
    document.addEventListener('visibilitychange', () => {
      if (document.visibilityState !== 'hidden') return;
      Page.wakelock = null;  // the browser lets it go with the page
      _tv_hidden();
    });
    window.addEventListener('pagehide', () => _tv_closed());
    // A page brought back from the browser's cache was closed as far as the game knows.
    window.addEventListener('pageshow', e => { if (e.persisted) location.reload(); });
    // The canvases follow the device's pixel ratio, which the browser's zoom changes too.
    const watchratio = () => {
      matchMedia('(resolution: ' + devicePixelRatio + 'dppx)')
        .addEventListener('change', () => { _tv_repaint(); watchratio(); }, {once: true});
    };
    watchratio();
    if (matchMedia('(pointer: coarse)').matches) Page.touchmode();
    Page.fit();
    addEventListener('resize', () => Page.fit());
    if (window.visualViewport) visualViewport.addEventListener('resize', () => Page.fit());
    // The page's files kept for playing offline; where service workers are refused, it plays
    // online only.
    // Registered once the window is on the screen, which it does not wait for.
    if ('serviceWorker' in navigator) {
      requestAnimationFrame(() => setTimeout(() => {
        navigator.serviceWorker.register('sw.js').catch(() => {});
      }));
    }
  },

  // A window: 0 the main one, others opened over it, centred on it. Sizes in CSS pixels.
  tv_window__deps: ['$Page'],
  tv_window: function(number, caption, width, height, closebox) {
    const win = document.createElement('section');
    win.className = number === 0 ? 'window main' : 'window dialog';
    win.number = number;
    const title = document.createElement('header');
    title.className = 'titlebar';
    const text = document.createElement('h1');
    text.id = 'title' + number;
    text.textContent = UTF8ToString(caption);
    title.append(text);
    if (number === 0) document.title = text.textContent;
    if (closebox) {
      const close = document.createElement('button');
      close.className = 'closebox';
      close.tabIndex = -1;
      close.setAttribute('aria-label', text.textContent);
      close.addEventListener('click', () => _tv_closebox(number));
      title.append(close);
    }
    win.append(title);
    if (number === 0) {
      const bar = document.createElement('nav');
      bar.className = 'menubar';
      bar.setAttribute('role', 'menubar');
      win.append(bar);
      win.menubar = bar;
    } else {
      win.setAttribute('role', 'dialog');
      win.setAttribute('aria-labelledby', text.id);
    }
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    win.append(client);
    win.client = client;
    win.focuswithin = () => { (win.lastfocus || win.firstfocus || client).focus(); };
    win.addEventListener('focusin', e => { win.lastfocus = e.target; });
    Page.windows[number] = win;
    const desk = document.getElementById('desk');
    desk.append(win);
    if (number === 0) {
      client.tabIndex = 0;
      client.setAttribute('aria-label', text.textContent);
    } else {
      // Centred over the main window, inside the room the page fits.
      const main = Page.windows[0];
      const over = main.hidden ? {offsetLeft: 0, offsetTop: 0, offsetWidth: desk.offsetWidth,
                                  offsetHeight: desk.offsetHeight} : main;
      const left = over.offsetLeft + (over.offsetWidth - win.offsetWidth) / 2;
      const top = over.offsetTop + (over.offsetHeight - win.offsetHeight) / 2;
      win.style.left = Math.max(0, Math.min(left, desk.offsetWidth - win.offsetWidth)) + 'px';
      win.style.top = Math.max(0, Math.min(top, desk.offsetHeight - win.offsetHeight)) + 'px';
    }
    return Page.add(win);
  },

  tv_closewindow: function(number) {
    const win = Page.windows[number];
    if (!win) return;
    Page.els = Page.els.map(el => win.contains(el) ? null : el);
    win.remove();
    delete Page.windows[number];
  },

  // A control of the description: kind as ui::Kind numbers it; the place in CSS pixels.
  tv_control__deps: ['$Page'],
  tv_control: function(number, kind, name, x, y, w, h, caption, points, align, wrap, focusable) {
    const win = Page.windows[number];
    const text = UTF8ToString(caption);
    let el;
    switch (kind) {
      case 0: el = document.createElement('div'); el.textContent = text; break;  // Label
      case 1:
        el = document.createElement('button');
        el.textContent = text;
        el.addEventListener('click', () => _tv_clicked(Page.els.indexOf(el)));
        break;
      case 2: case 3:
        el = document.createElement('input');
        el.type = 'text';
        el.value = text;
        el.spellcheck = false;
        el.autocomplete = 'off';
        el.readOnly = kind === 3;
        break;
      case 4: el = document.createElement('textarea'); el.readOnly = true; break;
      case 5: el = document.createElement('div'); el.className = 'cell'; break;
      case 9: el = document.createElement('div'); el.className = 'rule'; break;
      case 10:
        el = document.createElement('img');
        el.src = 'icons/tarvelo-32.png';
        el.width = el.height = 32;  // its size before it has loaded: the window never moves
        el.alt = '';
        break;
      default: el = document.createElement('canvas'); el.className = 'paint'; break;
    }
    el.classList.add('control', 'align' + align);
    if (wrap) el.classList.add('wrap');
    if (!focusable) el.tabIndex = -1;
    el.dataset.name = UTF8ToString(name);
    el.style.left = x + 'px';
    el.style.top = y + 'px';
    if (kind !== 10) {  // the icon stands at its natural size
      el.style.width = w + 'px';
      el.style.height = h + 'px';
    }
    if (points > 0) el.style.fontSize = points + 'pt';
    // One line, centred from top to bottom unless it stands at the top.
    if (el.tagName === 'DIV' && !wrap && align !== 1 && align !== 2) el.style.lineHeight = h + 'px';
    if (el.tagName === 'CANVAS') el.setAttribute('aria-hidden', 'true');
    const label = win.querySelector('h1').textContent;
    if (kind === 2 || kind === 3 || kind === 4) el.setAttribute('aria-label', label);
    win.client.append(el);
    return Page.add(el);
  },

  tv_settext: function(handle, text) {
    const el = Page.els[handle];
    const s = UTF8ToString(text);
    if ('value' in el && el.tagName !== 'BUTTON') el.value = s; else el.textContent = s;
  },
  tv_gettext: function(handle) {
    return Page.str(Page.els[handle].value || '');
  },
  tv_settip: function(handle, text) {  // the whole text, where the control cuts it short
    const el = Page.els[handle];
    el.title = el.scrollWidth > el.clientWidth ? UTF8ToString(text) : '';
  },
  tv_show: function(handle, shown) {
    Page.els[handle].hidden = !shown;
  },
  tv_focus: function(handle, select) {
    const el = Page.els[handle];
    el.closest('.window').firstfocus = el;
    el.focus();
    if (select && el.select) el.select();
  },
  tv_enablewindow: function(number, enabled) {
    const win = Page.windows[number];
    win.inert = !enabled;
    win.classList.toggle('disabled', !enabled);
    if (enabled) win.client.focus();
  },
  tv_hidewindow: function(number) {
    Page.windows[number].hidden = true;
  },
  tv_beep: function() {
    if (!Page.audio) return;
    const tone = Page.audio.createOscillator();
    const gain = Page.audio.createGain();
    gain.gain.value = 0.1;
    tone.connect(gain).connect(Page.audio.destination);
    tone.start();
    tone.stop(Page.audio.currentTime + 0.08);
  },
  // The colour picker of the browser, started from the colour given (0x00BBGGRR).
  tv_pickcolor: function(handle, color) {
    const picker = document.createElement('input');
    picker.type = 'color';
    const hex = v => v.toString(16).padStart(2, '0');
    picker.value = '#' + hex(color & 255) + hex(color >> 8 & 255) + hex(color >> 16 & 255);
    picker.className = 'picker';
    const owner = Page.els[handle];
    owner.closest('.client').querySelectorAll('.picker').forEach(old => old.remove());
    owner.after(picker);
    picker.addEventListener('change', () => {
      const v = parseInt(picker.value.slice(1), 16);
      _tv_picked(handle, (v >> 16) | (v & 0xFF00) | ((v & 255) << 16));
    });
    picker.addEventListener('blur', () => { picker.remove(); });
    picker.click();
  },

  // The canvases: sized in CSS pixels, drawn at the device's pixel ratio.
  tv_begin: function(handle) {
    const canvas = Page.els[handle];
    const ratio = (devicePixelRatio || 1) * Page.scale;
    const w = parseFloat(canvas.style.width), h = parseFloat(canvas.style.height);
    if (canvas.width !== Math.round(w * ratio)) canvas.width = Math.round(w * ratio);
    if (canvas.height !== Math.round(h * ratio)) canvas.height = Math.round(h * ratio);
    const g = canvas.getContext('2d');
    g.setTransform(ratio, 0, 0, ratio, 0, 0);
    g.clearRect(0, 0, w, h);
    Page.g = g;
  },
  tv_box__deps: ['$Page'],
  tv_box: function(x, y, w, h, color, hatched) {
    const g = Page.g;
    const css = '#' + (color & 255).toString(16).padStart(2, '0') +
      (color >> 8 & 255).toString(16).padStart(2, '0') +
      (color >> 16 & 255).toString(16).padStart(2, '0');
    if (hatched) {
      // Lines falling to the right every 8 pixels, as a hatched brush draws them.
      g.save();
      g.beginPath();
      g.rect(x, y, w, h);
      g.clip();
      g.strokeStyle = '#000';
      g.lineWidth = 1;
      g.beginPath();
      for (let d = -h; d < w; d += 8) { g.moveTo(x + d, y); g.lineTo(x + d + h, y + h); }
      g.stroke();
      g.restore();
    } else {
      g.fillStyle = css;
      g.fillRect(x, y, w, h);
    }
    g.strokeStyle = '#000';
    g.lineWidth = 1;
    g.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
  },
  tv_ball__deps: ['$Page'],
  tv_ball: function(x, y, w, h, color) {
    const g = Page.g;
    g.fillStyle = 'rgb(' + (color & 255) + ',' + (color >> 8 & 255) + ',' +
      (color >> 16 & 255) + ')';
    g.strokeStyle = '#000';
    g.lineWidth = 1;
    g.beginPath();
    g.ellipse(x + w / 2, y + h / 2, w / 2 - 0.5, h / 2 - 0.5, 0, 0, 2 * Math.PI);
    g.fill();
    g.stroke();
  },
  tv_painted: function(handle) {  // the first paint of the well, for the measurements
    if (!Page.painted) {
      Page.painted = true;
      performance.mark('tarvelo-well');
    }
  },

  // The menu bar.
  tv_menutitle__deps: ['$Page'],
  tv_menutitle: function(caption) {
    const title = document.createElement('button');
    title.className = 'menutitle';
    title.tabIndex = -1;
    title.setAttribute('aria-haspopup', 'true');
    title.setAttribute('aria-expanded', 'false');
    const letter = Page.mnemonic(title, UTF8ToString(caption));
    const list = document.createElement('div');
    list.className = 'menu';
    list.setAttribute('role', 'menu');
    list.hidden = true;
    const holder = document.createElement('div');
    holder.className = 'menuholder';
    holder.append(title, list);
    Page.windows[0].menubar.append(holder);
    const n = Page.menus.length;
    Page.menus.push({title, list, letter, items: []});
    title.addEventListener('click', () => {
      if (Page.openmenu === n && !Page.menus[n].list.hidden) {
        Page.closemenu();
        Page.backtogame();
      } else {
        Page.dropmenu(n, false);
      }
    });
    title.addEventListener('mouseenter', () => {
      if (Page.openmenu >= 0 && !Page.menus[Page.openmenu].list.hidden) Page.dropmenu(n, false);
    });
    return n;
  },
  tv_menuitem__deps: ['$Page'],
  tv_menuitem: function(menu, caption, shortcut, checkable) {
    const m = Page.menus[menu];
    if (!caption) {
      const line = document.createElement('hr');
      m.list.append(line);
      return -1;
    }
    const el = document.createElement('button');
    el.className = 'menuitem';
    el.tabIndex = -1;
    el.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
    const text = document.createElement('span');
    const letter = Page.mnemonic(text, UTF8ToString(caption));
    const keys = document.createElement('kbd');
    keys.textContent = UTF8ToString(shortcut);
    el.append(text, keys);
    const n = m.items.length;
    m.items.push({el, letter, enabled: true});
    el.addEventListener('click', () => {
      if (!m.items[n].enabled) return;
      Page.closemenu();
      Page.backtogame();
      _tv_menu(menu, n);
    });
    el.addEventListener('mouseenter', () => el.focus());
    m.list.append(el);
    return n;
  },
  tv_menustate: function(menu, item, enabled, checked) {
    const i = Page.menus[menu].items[item];
    i.enabled = !!enabled;
    i.el.setAttribute('aria-disabled', enabled ? 'false' : 'true');
    if (i.el.getAttribute('role') === 'menuitemcheckbox')
      i.el.setAttribute('aria-checked', checked ? 'true' : 'false');
  },

  // The store: localStorage, one key per value. Null when absent or refused.
  tv_storeread__deps: ['$Page'],
  tv_storeread: function(key) {
    try {
      const v = localStorage.getItem(UTF8ToString(key));
      return v === null ? 0 : Page.str(v);
    } catch (e) {
      return 0;
    }
  },
  tv_storewrite: function(key, text) {
    try {
      if (text) localStorage.setItem(UTF8ToString(key), UTF8ToString(text));
      else localStorage.removeItem(UTF8ToString(key));
      return 1;
    } catch (e) {
      return 0;
    }
  },
  tv_storefailed: function(text) {
    console.error(UTF8ToString(text).trimEnd());
  },
  // Runs the C++ side's task with every other tab of the game kept off the store: the Web
  // Locks API where there is one, at once where there is none.
  tv_withlock: function(task) {
    if (!navigator.locks) { _tv_locked(task); return; }
    navigator.locks.request('tarvelo-store', () => { _tv_locked(task); });
  },

  // Sound: each of the five decoded once; silent until the first key or click, and without
  // an error where there is no audio.
  tv_soundname__deps: ['$Page'],
  tv_soundname: function(name) {
    Page.sounds[UTF8ToString(name)] = null;
  },
  tv_play: function(name) {
    const buffer = Page.sounds[UTF8ToString(name)];
    if (!Page.audio || !buffer) return;
    if (Page.playing) { try { Page.playing.stop(); } catch (e) {} }
    const source = Page.audio.createBufferSource();
    source.buffer = buffer;
    source.connect(Page.audio.destination);
    source.start();
    Page.playing = source;
  },

  // The touch controls: moves, turn and drop by the well, pause beside them. Held, those that
  // repeat do so as a held key does.
  tv_touchbutton__deps: ['$Page'],
  tv_touchbutton: function(action, label, repeats) {
    let bar = document.getElementById('touch');
    if (!bar) {
      bar = document.createElement('nav');
      bar.id = 'touch';
      for (const side of ['moves', 'acts']) {
        const group = document.createElement('div');
        group.className = side;
        bar.append(group);
      }
      document.body.append(bar);
    }
    const button = document.createElement('button');
    button.className = 'touchkey';
    button.dataset.action = action;
    button.tabIndex = -1;
    button.title = UTF8ToString(label);
    button.setAttribute('aria-label', button.title);
    bar.children[action < 2 ? 0 : 1].append(button);
    let held = null;
    const release = () => { clearTimeout(held); clearInterval(held); held = null; };
    button.addEventListener('pointerdown', e => {
      e.preventDefault();  // neither the keyboard's focus nor a double tap's zoom
      Page.unlockaudio();
      button.setPointerCapture(e.pointerId);
      _tv_touch(action, false);
      if (repeats) {
        held = setTimeout(() => { held = setInterval(() => _tv_touch(action, true), 80); }, 300);
      }
    });
    for (const end of ['pointerup', 'pointercancel', 'lostpointercapture']) {
      button.addEventListener(end, release);
    }
  },
  // The screen kept on while a game runs, where that is to be had.
  tv_wakelock: function(on) {
    if (!navigator.wakeLock) return;
    if (on && !Page.wakelock) {
      Page.wakelock = navigator.wakeLock.request('screen').catch(() => null);
    } else if (!on && Page.wakelock) {
      Page.wakelock.then(lock => lock && lock.release());
      Page.wakelock = null;
    }
  },

  tv_endprogram: function() {
    window.close();
    // A tab the player opened stays: the game starts again in it, as a new run would.
    setTimeout(() => location.reload(), 100);
  },
});
