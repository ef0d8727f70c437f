// The page's side of the web toolkit: the DOM calls behind runtime/web/dom.h.
// Texts cross as UTF-16 code units, converted by the core at the C++ edge,
// so that the page hands the core what every face does.
mergeInto(LibraryManager.library, {
  $web: {
    controls: [],  // by handle: {element, menu}
    canvas: null,
    canvasFont: '',  // the canvas's font as last set: setting it costs a parse
    family: '',  // the form's, as the stylesheet names it
    decoder: null,
    errorEvents: 0,  // the window that hears when its error box closes
    closeMenu: null,  // while a menu is open
    showing: false,  // while the program shows the form it has taken over

    text: function (pointer, length) {
      web.decoder = web.decoder || new TextDecoder('utf-16le', {ignoreBOM: true});
      return web.decoder.decode(HEAPU8.subarray(pointer, pointer + 2 * length));
    },
    // A string into the core's memory, freed by the caller.
    copyIn: function (text) {
      var pointer = _malloc(2 * text.length + 2);
      for (var i = 0; i < text.length; ++i) HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
      return pointer;
    },
    form: function () {
      return document.getElementById('form');
    },
    // The stored form's pixel in CSS pixels: the browser's text size over
    // its default, 16 (style.css).
    scale: function () {
      return parseFloat(getComputedStyle(document.documentElement).fontSize) / 16;
    },
    // Measured as the stylesheet draws the form's text, kerning off in
    // both, at the size it is drawn, so that a line measured is the line
    // drawn; in the stored form's pixels.
    metrics: function (text, points) {
      var context = web.canvas, scale = web.scale();
      if (!context) {
        context = web.canvas = document.createElement('canvas').getContext('2d');
        context.fontKerning = 'none';
        web.family = getComputedStyle(web.form()).fontFamily;
      }
      var font = points * scale + 'pt ' + web.family;
      if (web.canvasFont !== font) context.font = web.canvasFont = font;
      var measured = context.measureText(text);
      // Browsers without the font's own extent: a usual line, 1.2 em.
      var ascent = measured.fontBoundingBoxAscent, descent = measured.fontBoundingBoxDescent;
      var line = ascent === undefined ? 1.6 * points : (ascent + descent) / scale;
      return {width: Math.ceil(measured.width / scale), height: Math.ceil(line)};
    },
    // Whatever is typed, pasted or dropped into a box goes by the core's
    // rule. Where the core keeps less, the browser's insertion gives way to
    // the kept text, inserted as an edit of the user's own, so that undo
    // takes it back as it would the browser's: an edit of its own, as the
    // selection set anew, where it is, ends the typing before it, which the
    // browser would otherwise take back with it.
    beforeInput: function (event) {
      var box = event.target, data = event.data;
      if (data === null || !event.inputType.startsWith('insert')) return;
      var inserted = web.copyIn(data);
      var kept = _web_kept_of_insertion(inserted, data.length, box.value.length,
                                        box.selectionEnd - box.selectionStart);
      _free(inserted);
      if (kept === data.length) return;
      event.preventDefault();
      box.selectionEnd = box.selectionEnd;
      document.execCommand('insertText', false, data.slice(0, kept));
    },
    clicked: function (event) {
      _web_clicked(event.currentTarget.web.owner);
    },
    // A label's click is the core's to act on: the browser's own (a
    // <label> focusing its box, a press taking the focus from where it
    // was) would come on top of it.
    labelClick: function (event) {
      event.preventDefault();
      web.clicked(event);
    },
    labelPress: function (event) {
      event.preventDefault();
    },
    // Enter is the core's to act on, wherever it is pressed (but to end an
    // input method's composing): the browser's own (a button pressed) would
    // come on top of it. Tab goes round the form's controls, as in a desktop
    // window: from the last back to the first, and Shift+Tab the other way.
    keyDown: function (key) {
      if (key.key === 'Enter' && !key.isComposing && key.target.web) {
        key.preventDefault();
        _web_enter_pressed(key.target.web.owner);
      }
      if (key.key !== 'Tab' || key.altKey || key.ctrlKey || key.metaKey) return;
      var focusable = web.form().querySelectorAll('input, button:enabled');
      var from = key.shiftKey ? focusable[0] : focusable[focusable.length - 1];
      if (!focusable.length || key.target !== from) return;
      key.preventDefault();
      (key.shiftKey ? focusable[focusable.length - 1] : focusable[0]).focus();
    },
    menu: function (event) {
      var control = event.currentTarget.web, items = web.controls[control.handle].menu;
      var menu = document.getElementById('menu'), returnTo = document.activeElement;
      event.preventDefault();
      if (web.closeMenu) web.closeMenu();
      menu.replaceChildren();
      items.forEach(function (text, index) {
        var item = document.createElement('button');
        item.type = 'button';
        item.setAttribute('role', 'menuitem');
        item.textContent = text;
        item.onclick = function () {
          close();
          _web_menu_chosen(control.owner, index);
        };
        menu.append(item);
      });
      function close() {
        web.closeMenu = null;
        menu.hidden = true;
        removeEventListener('pointerdown', outside, true);
        if (returnTo) returnTo.focus();
      }
      function outside(pressed) {
        if (!menu.contains(pressed.target)) close();
      }
      menu.onkeydown = function (key) {
        if (key.key === 'Escape') close();
      };
      addEventListener('pointerdown', outside, true);
      web.closeMenu = close;
      menu.hidden = false;
      menu.style.left = Math.min(event.clientX, innerWidth - menu.offsetWidth) + 'px';
      menu.style.top = Math.min(event.clientY, innerHeight - menu.offsetHeight) + 'px';
      menu.firstChild.focus();
    },
  },

  web_open__deps: ['$web'],
  web_open: function () {
    var dialog = document.getElementById('error');
    document.getElementById('error-ok').onclick = function () {
      dialog.close();
    };
    dialog.addEventListener('keydown', function (key) {
      if (key.key === 'Enter') {
        key.preventDefault();
        dialog.close();
      }
    });
    // The form shows the next error, if any, once it hears of this one.
    dialog.addEventListener('close', function () {
      if (web.errorEvents) _web_error_closed(web.errorEvents);
    });
    web.form().addEventListener('keydown', web.keyDown);
    // Once the page has loaded, its service worker keeps a copy for offline
    // use. Where it cannot (a page opened from a file), the page simply
    // works online only.
    if ('serviceWorker' in navigator) {
      var register = function () {
        navigator.serviceWorker.register('sw.js').catch(function () {});
      };
      if (document.readyState === 'complete') {
        register();
      } else {
        addEventListener('load', register);
      }
    }
  },

  web_set_title__deps: ['$web'],
  web_set_title: function (text, length) {
    document.title = web.text(text, length);
  },

  // The page's own markup holds the form's controls, so that it shows
  // them before the program runs: the program takes each over, what the
  // user has typed in it meanwhile included, and its buttons, which could
  // not be pressed until now, work.
  web_make__deps: ['$web'],
  web_make: function (name, nameLength, markup, markupLength, owner) {
    var form = web.form(), element = document.getElementById(web.text(name, nameLength));
    if (!element || element.parentElement !== form) {
      form.insertAdjacentHTML('beforeend', web.text(markup, markupLength));
      element = form.lastElementChild;
    }
    if (element.tagName === 'BUTTON') {
      element.disabled = false;
      element.addEventListener('click', web.clicked);
    } else if (element.tagName === 'INPUT') {
      element.addEventListener('beforeinput', web.beforeInput);
    } else {
      element.addEventListener('mousedown', web.labelPress);
      element.addEventListener('click', web.labelClick);
    }
    element.web = {handle: web.controls.length, owner: owner};
    return web.controls.push({element: element, menu: []}) - 1;
  },

  web_remove__deps: ['$web'],
  web_remove: function (handle) {
    web.controls[handle].element.remove();
  },

  web_text_length__deps: ['$web'],
  web_text_length: function (handle) {
    return web.controls[handle].element.value.length;
  },

  web_read_text__deps: ['$web'],
  web_read_text: function (handle, out) {
    var value = web.controls[handle].element.value;
    for (var i = 0; i < value.length; ++i) HEAPU16[(out >> 1) + i] = value.charCodeAt(i);
  },

  // Markup the core's side has written and escaped (runtime/web/markup.cpp).
  web_set_markup__deps: ['$web'],
  web_set_markup: function (handle, markup, length) {
    web.controls[handle].element.innerHTML = web.text(markup, length);
  },

  // Declarations as a style, which the page's policy allows, not as an
  // attribute, which it forbids.
  web_set_style__deps: ['$web'],
  web_set_style: function (handle, declarations, length) {
    web.controls[handle].element.style.cssText = web.text(declarations, length);
  },

  web_set_form_style__deps: ['$web'],
  web_set_form_style: function (declarations, length) {
    web.form().style.cssText = web.text(declarations, length);
  },

  // Where the user has gone on to another control of the page's own markup
  // before the program was live, the focus stays there.
  web_focus__deps: ['$web'],
  web_focus: function (handle, selectAll) {
    var element = web.controls[handle].element;
    if (web.showing && web.form().contains(document.activeElement)) return;
    element.focus();
    if (selectAll) element.select();
  },

  // The label goes just before its box: read before it, and above it
  // where the form stands in one column.
  web_name_by__deps: ['$web'],
  web_name_by: function (handle, label) {
    var box = web.controls[handle].element, named = web.controls[label].element;
    named.htmlFor = box.id;
    if (named.nextElementSibling !== box) box.before(named);
  },

  // Item texts, one a line.
  web_set_menu__deps: ['$web'],
  web_set_menu: function (handle, texts, length) {
    var control = web.controls[handle];
    control.menu = length ? web.text(texts, length).split('\n') : [];
    control.element.removeEventListener('contextmenu', web.menu);
    if (control.menu.length) control.element.addEventListener('contextmenu', web.menu);
  },

  web_measure__deps: ['$web'],
  web_measure: function (text, length, points, out) {
    var size = web.metrics(web.text(text, length), points);
    HEAP32[out >> 2] = size.width;
    HEAP32[(out >> 2) + 1] = size.height;
  },

  // In the stored form's pixels, as the form is laid out.
  web_page_width__deps: ['$web'],
  web_page_width: function () {
    return document.documentElement.clientWidth / web.scale();
  },

  web_show__deps: ['$web'],
  web_show: function () {
    web.showing = true;
    queueMicrotask(function () {
      web.showing = false;
    });
  },

  // Texts are set as text, never as markup: the message may quote what
  // the user typed. The core shows one box at a time.
  web_show_error__deps: ['$web'],
  web_show_error: function (title, titleLength, message, messageLength, events) {
    document.getElementById('error-title').textContent = web.text(title, titleLength);
    document.getElementById('error-message').textContent = web.text(message, messageLength);
    web.errorEvents = events;
    document.getElementById('error').showModal();
    document.getElementById('error-ok').focus();
  },

  // Where the clipboard API is refused (a page not served over HTTPS, a
  // browser that asks first), the older copy command still works.
  web_copy__deps: ['$web'],
  web_copy: function (text, length) {
    var copied = web.text(text, length);
    function fallback() {
      var holder = document.createElement('textarea');
      var focused = document.activeElement;
      holder.value = copied;
      holder.className = 'offscreen';
      document.body.append(holder);
      holder.select();
      document.execCommand('copy');
      holder.remove();
      if (focused) focused.focus();
    }
    if (navigator.clipboard) {
      navigator.clipboard.writeText(copied).catch(fallback);
    } else {
      fallback();
    }
  },
});
