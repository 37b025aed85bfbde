(function () {
// Tessary's script for maps that scale with their picture, and maps that
// outline the area under the mouse or focus.
var jobs = [];
if (window.tessaryMaps) return;
window.tessaryMaps = 1;

function nums(text) { return (text || '').split(/[\s,;x]+/).filter(String).map(Number); }

function collect(map) {
  var html = map.innerHTML, scale = html.indexOf('- %FLAG% -') + 1, lit = html.indexOf('- %LIT% -') + 1, n = 0;
  if (scale || lit) [].forEach.call(document.images, function (img) {
    if (img.useMap !== '#' + map.name) return;
    var own = n++ ? map.cloneNode(true) : map;
    if (n - 1) map.after(own), img.useMap = '#' + (own.name = map.name + '~' + n);
    var job = { img: img, map: own, scale: scale, lit: lit, size: nums(map.dataset.tessarySize),
      saved: [].map.call(own.areas, function (a) { return a.getAttribute('coords'); }) };
    jobs.push(job);
    img.addEventListener('load', all);
    if (lit) 'mouseover mouseout focusin focusout'.split(' ').forEach(function (type, i) {
      own.addEventListener(type, function (e) { job[i > 1 ? 'focus' : 'hover'] = i % 2 ? 0 : e.target; place(job); });
    });
  });
}

// Always from the saved COORDS to where the picture is drawn, from the
// IMG's border edge; as saved while it has no size.
function place(job) {
  var img = job.img, s = getComputedStyle(img), fit = s.objectFit, iw = img.naturalWidth, ih = img.naturalHeight;
  var cw = img.width, ch = img.height, o = [img.clientLeft + parseFloat(s.paddingLeft), img.clientTop + parseFloat(s.paddingTop)];
  var f = fit === 'none' ? 1 : Math[fit === 'cover' ? 'max' : 'min'](cw / iw, ch / ih, fit === 'scale-down' ? 1 : ch / ih);
  var rw = fit === 'fill' ? cw : iw * f, rh = fit === 'fill' ? ch : ih * f, room = [cw - rw, ch - rh];
  s.objectPosition.match(/calc\(.*?\)|\S+/g).forEach(function (part, i) {
    part.replace(/(-?) ?([\d.]+)(%?)/g, function (m, minus, v, pc) { o[i] += (minus ? -v : +v) * (pc ? room[i] / 100 : 1); });
  });
  var sx = rw / (job.size[0] || iw), sy = rh / (job.size[1] || ih), ok = Math.min(iw, ih, cw, ch, img.offsetWidth) > 0;
  if (job.scale) job.saved.forEach(function (text, k) {
    var a = job.map.areas[k], out = nums(text).map(function (v, i) {
      return Math.round(/^c/i.test(a.shape) ? [o[0] + v * sx, o[1] + v * sy, v * Math.min(sx, sy)][Math.min(i, 2)] : o[i % 2] + v * (i % 2 ? sy : sx));
    });
    if (text) a.setAttribute('coords', ok * out.every(isFinite) ? out.join() : text);
  });
  if (!job.lit) return;
  // The hovered, else focused, area's outline over the IMG's border box.
  var a = job.hover || job.focus, ns = 'http://www.w3.org/2000/svg', svg = job.svg;
  var v = a ? nums(a.coords) : [], r = v[2], d = {
    c: ['M', v[0] - r, v[1], 'a', r, r, 0, 1, 0, 2 * r, 0, 'a', r, r, 0, 1, 0, -2 * r, 0],
    r: ['M', v[0], v[1], 'H', r, 'V', v[3], 'H', v[0]], p: ['M'].concat(v) }[a ? (a.shape || 'r')[0].toLowerCase() : 0] || [];
  if (!svg) {
    img.after(svg = job.svg = document.createElementNS(ns, 'svg'));
    svg.appendChild(document.createElementNS(ns, 'path')).setAttribute('style', 'stroke-width:2;stroke:' +
      (job.map.dataset.tessaryOutline || '#15d') + ';fill:' + (job.map.dataset.tessaryFill || '#15d4'));
  }
  svg.style.cssText = 'position:absolute;pointer-events:none;left:' + img.offsetLeft + 'px;top:' + img.offsetTop +
    'px;width:' + img.offsetWidth + 'px;height:' + img.offsetHeight + 'px;transform:' + s.transform +
    ';transform-origin:' + s.transformOrigin + (img.offsetWidth * d.length ? '' : ';display:none');
  svg.firstChild.setAttribute('d', d.join(' ') + 'z');
}

function all() { jobs.forEach(place); }

// Written at the body's end: the DOM is complete once this has run.
document.addEventListener('DOMContentLoaded', function () {
  document.querySelectorAll('map').forEach(collect);
  all();
  addEventListener('load', all);
  addEventListener('resize', all);
  if (window.ResizeObserver) jobs.forEach(function (job) { this.observe(job.img); }, new ResizeObserver(all));
});
})();
