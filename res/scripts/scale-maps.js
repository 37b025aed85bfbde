(function () {
  // Written by Tessary into pages whose maps follow their picture's size:
  // every map that carries the tracking comment below has its AREA
  // coordinates rescaled from the picture's own pixels (as the page holds
  // them) to the size the picture is shown at, on load and on every resize.
  // A circle's radius takes the smaller of the two factors, so the circle
  // stays inside its box when the picture is squeezed in one direction.
  // This text holds no less-than sign and no ampersand, so it stays valid
  // in pages written as XHTML.
  var FLAG = '%FLAG%';
  if (window.tessaryScalesMaps) return;
  window.tessaryScalesMaps = true;
  var maps = [];

  function flagged(map) {
    for (var node = map.firstChild; node; node = node.nextSibling) {
      if (node.nodeType === 8 ? node.data.trim() === FLAG : false) return true;
    }
    return false;
  }

  // The first picture that uses the map, as the editor pairs them.
  function pictureOf(map, images) {
    for (var i = 0; images.length > i; i++) {
      if (images[i].getAttribute('usemap') === '#' + map.name) return images[i];
    }
    return null;
  }

  function collect() {
    var all = document.getElementsByTagName('map');
    var images = document.getElementsByTagName('img');
    for (var i = 0; all.length > i; i++) {
      var img = flagged(all[i]) ? pictureOf(all[i], images) : null;
      if (!img) continue;
      var areas = [];
      var tags = all[i].getElementsByTagName('area');
      for (var k = 0; tags.length > k; k++) {
        var shape = (tags[k].getAttribute('shape') || 'rect').toLowerCase();
        var text = tags[k].getAttribute('coords') || '';
        var values = text.split(/[\s,;]+/).filter(function (s) { return s !== ''; });
        areas.push({ tag: tags[k], text: text, circle: shape.indexOf('circ') === 0,
                     values: values.map(function (s) { return parseFloat(s) || 0; }) });
      }
      maps.push({ img: img, areas: areas });
      img.addEventListener('load', scaleAll);
    }
  }

  function scale(map) {
    var img = map.img;
    // Not loaded yet (its load event comes), or not shown at all.
    if (!img.naturalWidth || !img.naturalHeight || !img.width || !img.height) return;
    var sx = img.width / img.naturalWidth, sy = img.height / img.naturalHeight;
    var sr = Math.min(sx, sy);
    map.areas.forEach(function (area) {
      var coords = area.text;
      if (sx !== 1 || sy !== 1) {
        coords = area.values.map(function (v, i) {
          var f = area.circle ? [sx, sy, sr][Math.min(i, 2)] : (i % 2 ? sy : sx);
          return Math.round(v * f);
        }).join(',');
      }
      if (area.tag.getAttribute('coords') !== coords) area.tag.setAttribute('coords', coords);
    });
  }

  function scaleAll() { maps.forEach(scale); }

  function start() {
    collect();
    scaleAll();
    window.addEventListener('load', scaleAll);
    window.addEventListener('resize', scaleAll);
    if (window.ResizeObserver) {
      var observer = new ResizeObserver(scaleAll);
      maps.forEach(function (map) { observer.observe(map.img); });
    }
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
  else start();
})();
