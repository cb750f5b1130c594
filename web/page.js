// The page's side of the browser version: only what C++ cannot reach in a
// browser, which is the document's elements, the field's canvas, the pictures
// and fonts the page loads, and Web Audio. Every size, place and text comes
// from the game's code.
mergeInto(LibraryManager.library, {
  $vermilo: {
    sprites: [],
    board: null,
    scale: 1,
    audio: null,
    sounds: [],
    playing: null,
    find: function(id) {
      return id ? document.getElementById(id) : document.body;
    },
  },

  vermilo_create__deps: ['$vermilo'],
  vermilo_create: function(parent, tag, id) {
    var element = document.createElement(UTF8ToString(tag));
    element.id = UTF8ToString(id);
    vermilo.find(UTF8ToString(parent)).appendChild(element);
  },

  vermilo_set_style__deps: ['$vermilo'],
  vermilo_set_style: function(id, property, value) {
    vermilo.find(UTF8ToString(id)).style.setProperty(UTF8ToString(property), UTF8ToString(value));
  },

  vermilo_set_text__deps: ['$vermilo'],
  vermilo_set_text: function(id, text) {
    vermilo.find(UTF8ToString(id)).textContent = UTF8ToString(text);
  },

  vermilo_set_attribute__deps: ['$vermilo'],
  vermilo_set_attribute: function(id, name, value) {
    vermilo.find(UTF8ToString(id)).setAttribute(UTF8ToString(name), UTF8ToString(value));
  },

  vermilo_set_title: function(title) {
    document.title = UTF8ToString(title);
  },

  // Loads the font under the face the layout asks for, and the sprites in
  // their order; then starts the game, whatever failed to load.
  vermilo_load__deps: ['$vermilo'],
  vermilo_load: function(face, fontUrl, names, count) {
    var waits = [];
    try {
      var font = new FontFace(UTF8ToString(face), 'url(' + UTF8ToString(fontUrl) + ')',
                              {weight: 'bold'});
      document.fonts.add(font);
      waits.push(font.load().catch(function() {}));
    } catch (e) {}
    for (var i = 0; i < count; ++i) {
      var image = new Image();
      image.src = UTF8ToString(HEAP32[(names >> 2) + i]);
      vermilo.sprites.push(image);
      waits.push(image.decode().catch(function() {}));
    }
    Promise.all(waits).then(function() { Module['_vermilo_loaded'](); });
  },

  // The board's persistent picture: a canvas as many device pixels a layout
  // pixel as the screen's whole scale, drawn without smoothing.
  vermilo_make_board__deps: ['$vermilo'],
  vermilo_make_board: function(id, width, height, scale) {
    var canvas = vermilo.find(UTF8ToString(id));
    canvas.width = width * scale;
    canvas.height = height * scale;
    var context = canvas.getContext('2d', {alpha: false});
    context.imageSmoothingEnabled = false;
    context.setTransform(scale, 0, 0, scale, 0, 0);
    vermilo.board = context;
  },

  vermilo_draw_sprite__deps: ['$vermilo'],
  vermilo_draw_sprite: function(sprite, x, y) {
    var image = vermilo.sprites[sprite];
    if (image && image.complete && image.naturalWidth) vermilo.board.drawImage(image, x, y);
  },

  vermilo_fill_board__deps: ['$vermilo'],
  vermilo_fill_board: function(colour) {
    var context = vermilo.board;
    context.fillStyle = UTF8ToString(colour);
    context.fillRect(0, 0, context.canvas.width, context.canvas.height);
  },

  // Browsers let a page sound only after the player has clicked or pressed a
  // key in it: the effects are fetched and decoded then.
  vermilo_prepare_sounds__deps: ['$vermilo'],
  vermilo_prepare_sounds: function(urls, count) {
    var list = [];
    for (var i = 0; i < count; ++i) list.push(UTF8ToString(HEAP32[(urls >> 2) + i]));
    var start = function() {
      if (vermilo.audio) return;
      var Context = window.AudioContext || window.webkitAudioContext;
      if (!Context) return;
      vermilo.audio = new Context();
      // A running context keeps the browser's audio thread busy even in
      // silence: it runs only while an effect plays.
      vermilo.audio.suspend();
      list.forEach(function(url, index) {
        fetch(url).then(function(response) { return response.arrayBuffer(); })
          .then(function(data) { return vermilo.audio.decodeAudioData(data); })
          .then(function(buffer) { vermilo.sounds[index] = buffer; })
          .catch(function() {});
      });
    };
    window.addEventListener('pointerdown', start, true);
    window.addEventListener('keydown', start, true);
  },

  // Starts an effect, cutting off the one still playing; an effect not yet
  // loaded, or before the first click or key, is skipped.
  vermilo_play_sound__deps: ['$vermilo'],
  vermilo_play_sound: function(index) {
    var buffer = vermilo.sounds[index];
    if (!vermilo.audio || !buffer) return;
    if (vermilo.playing) {
      try { vermilo.playing.stop(); } catch (e) {}
    }
    var source = vermilo.audio.createBufferSource();
    source.buffer = buffer;
    source.connect(vermilo.audio.destination);
    source.onended = function() {
      if (vermilo.playing !== source) return;
      vermilo.playing = null;
      vermilo.audio.suspend();
    };
    vermilo.audio.resume();
    source.start();
    vermilo.playing = source;
  },
});
