// The page's side of the web toolkit: the DOM calls behind runtime/web/dom.h.
// Texts cross as UTF-16 code units, converted by the core at the C++ edge,
// so that the page hands the core what every face does.
mergeInto(LibraryManager.library, {
  $web: {
    controls: [],  // by handle: {element, menu}
    canvas: null,
    canvasFont: '',  // the canvas's font as last set: setting it costs a parse
    decoder: null,
    size: {width: 0, height: 0},  // the form's, in CSS pixels
    errorOwner: 0,  // the C++ window waiting for the error box to close
    closeMenu: null,  // while a menu is open
    family: 'system-ui, sans-serif',
    defaultPoints: 10,  // what browsers give form controls

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
    font: function (points) {
      return (points || web.defaultPoints) + 'pt ' + web.family;
    },
    metrics: function (text, points) {
      var context = web.canvas || (web.canvas = document.createElement('canvas').getContext('2d'));
      var font = web.font(points);
      if (web.canvasFont !== font) context.font = web.canvasFont = font;
      var measured = context.measureText(text);
      // Browsers without the font's own extent: a usual line, 1.2 em.
      var ascent = measured.fontBoundingBoxAscent, descent = measured.fontBoundingBoxDescent;
      var line = ascent === undefined ? 1.2 * (points || web.defaultPoints) * 96 / 72 : ascent + descent;
      return {width: Math.ceil(measured.width), height: Math.ceil(line)};
    },
    // On a screen narrower than the form, the whole form shrinks to fit;
    // it never reflows. Its holder takes the size it is shown at.
    fit: function () {
      var form = document.getElementById('form'), holder = form.parentElement;
      var width = web.size.width, height = web.size.height;
      var scale = Math.min(1, document.documentElement.clientWidth / width);
      form.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
      holder.style.width = width * scale + 'px';
      holder.style.height = height * scale + 'px';
    },
    // A line break pasted, dropped or typed into a box goes by the core's
    // rule: the box keeps what the core says, the rest is the browser's.
    beforeInput: function (event) {
      var box = event.target, data = event.data;
      if (data === null || !event.inputType.startsWith('insert')) return;
      var start = box.selectionStart, end = box.selectionEnd, value = box.value;
      var room = box.maxLength - value.length + (end - start);
      data = data.slice(0, Math.max(0, room));
      var after = value.slice(0, start) + data + value.slice(end);
      var before = web.copyIn(value), inserted = web.copyIn(after);
      var kept = _web_inserted(box.web.owner, before, value.length, inserted, after.length, start + data.length);
      _free(before);
      _free(inserted);
      if (kept) event.preventDefault();
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
    dialog.addEventListener('close', function () {
      var owner = web.errorOwner;
      web.errorOwner = 0;
      if (owner) _web_error_closed(owner);
    });
    addEventListener('resize', web.fit);
  },

  web_set_title__deps: ['$web'],
  web_set_title: function (text, length) {
    document.title = web.text(text, length);
  },

  // `kind` as ControlKind numbers it: 0 a push button, 1 a text box, 2 a label.
  web_make__deps: ['$web'],
  web_make: function (kind, name, nameLength, centred, backColour, maxLength, live, text, textLength, owner) {
    var element;
    if (kind === 0) {
      element = document.createElement('button');
      element.type = 'button';
      element.onclick = function () {
        _web_clicked(owner);
      };
    } else if (kind === 1) {
      element = document.createElement('input');
      element.type = 'text';
      // The full keyboard: a phone's decimal pad has no minus sign or 'e'.
      element.inputMode = 'text';
      element.autocomplete = 'off';  // the browser keeps no history of what was typed
      element.setAttribute('autocapitalize', 'off');
      element.setAttribute('autocorrect', 'off');
      element.spellcheck = false;
      element.maxLength = maxLength;
      element.addEventListener('beforeinput', web.beforeInput);
    } else {
      element = document.createElement('div');  // a <label> once it names a box
      if (centred) element.classList.add('centred');
      if (backColour) element.classList.add('inactive-border');
      if (live) element.setAttribute('aria-live', 'polite');
    }
    var handle = web.controls.length;
    element.id = web.text(name, nameLength);
    element.web = {handle: handle, owner: owner};
    if (kind === 1) {
      element.value = web.text(text, textLength);
    } else {
      element.textContent = web.text(text, textLength);
    }
    web.controls.push({element: element, menu: []});
    document.getElementById('form').append(element);
    return handle;
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

  web_set_text__deps: ['$web'],
  web_set_text: function (handle, text, length) {
    var element = web.controls[handle].element;
    if (element.tagName === 'INPUT') {
      element.value = web.text(text, length);
    } else {
      element.textContent = web.text(text, length);
    }
  },

  // A box's text after an insertion the core has cut, the caret after
  // what it kept.
  web_set_edit__deps: ['$web'],
  web_set_edit: function (handle, text, length, caret) {
    var element = web.controls[handle].element;
    element.value = web.text(text, length);
    element.setSelectionRange(caret, caret);
  },

  web_set_font__deps: ['$web'],
  web_set_font: function (handle, points) {
    var style = web.controls[handle].element.style;
    style.font = web.font(points);
    style.lineHeight = web.metrics('', points).height + 'px';
  },

  web_place__deps: ['$web'],
  web_place: function (handle, left, top, width, height) {
    var style = web.controls[handle].element.style;
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
  },

  web_focus__deps: ['$web'],
  web_focus: function (handle, selectAll) {
    var element = web.controls[handle].element;
    element.focus();
    if (selectAll) element.select();
  },

  // The label becomes a <label> for the box, in its place, with all it had.
  web_name_by__deps: ['$web'],
  web_name_by: function (handle, label) {
    var control = web.controls[label], shown = control.element, named = document.createElement('label');
    named.id = shown.id;
    named.className = shown.className;
    named.style.cssText = shown.style.cssText;  // as a style, which the page's policy allows; not as an attribute
    if (shown.hasAttribute('aria-live')) named.setAttribute('aria-live', shown.getAttribute('aria-live'));
    while (shown.firstChild) named.append(shown.firstChild);
    named.web = shown.web;
    if (control.menu.length) named.addEventListener('contextmenu', web.menu);
    named.htmlFor = web.controls[handle].element.id;
    shown.replaceWith(named);
    control.element = named;
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

  web_set_client_size__deps: ['$web'],
  web_set_client_size: function (width, height) {
    var form = document.getElementById('form');
    web.size = {width: width, height: height};
    form.style.width = width + 'px';
    form.style.height = height + 'px';
    if (!form.hidden) web.fit();
  },

  web_show__deps: ['$web'],
  web_show: function () {
    document.getElementById('form').hidden = false;
    web.fit();
  },

  // `owner`, if any, hears when the box closes. Texts are set as text,
  // never as markup: the message may quote what the user typed.
  web_show_error__deps: ['$web'],
  web_show_error: function (title, titleLength, message, messageLength, owner) {
    var dialog = document.getElementById('error');
    document.getElementById('error-title').textContent = web.text(title, titleLength) || document.title;
    document.getElementById('error-message').textContent = web.text(message, messageLength);
    web.errorOwner = owner;
    if (!dialog.open) dialog.showModal();
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
