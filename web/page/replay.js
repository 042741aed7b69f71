// Replays the recording of one redraw (web/web_canvas.h describes the layout) on a 2-D canvas
// context already scaled to CSS pixels, and measures text for the core in the same font.

const OP_STATE = 1, OP_LINE = 2, OP_TEXT = 3, OP_RECT = 4, OP_ELLIPSE = 5, OP_POLYGON = 6, OP_PIXEL = 7;
const PEN_DOT = 1, PEN_CLEAR = 2, MODE_INVERT = 1, BRUSH_SOLID = 0;
const FLAG_TRANSPARENT_TEXT = 1;
const FONT_FAMILY = 'Verdana, "DejaVu Sans", sans-serif';
const PIXELS_PER_POINT = 96 / 72;

function css(colour) {
  return '#' + (colour & 0xffffff).toString(16).padStart(6, '0');
}

export function fontFor(points) {
  return `${Math.max(1, Math.round(Math.min(Math.max(points, 1), 200) * PIXELS_PER_POINT))}px ${FONT_FAMILY}`;
}

const measuring = (typeof OffscreenCanvas !== 'undefined' ? new OffscreenCanvas(1, 1) : document.createElement('canvas')).getContext('2d');
const ascents = new Map();

// Width and height of the text in CSS pixels, packed for the core: width | height << 16.
export function measureText(text, points) {
  measuring.font = fontFor(points);
  const m = measuring.measureText(text);
  const ascent = Math.ceil(m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent);
  const descent = Math.ceil(m.fontBoundingBoxDescent ?? m.actualBoundingBoxDescent);
  ascents.set(measuring.font, ascent);
  return Math.min(Math.round(m.width), 0xffff) | (Math.min(ascent + descent, 0x7fff) << 16);
}

function ascentOf(font) {
  if (!ascents.has(font)) {
    measuring.font = font;
    const m = measuring.measureText('X');
    ascents.set(font, Math.ceil(m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent));
  }
  return ascents.get(font);
}

// The context is scaled by `ratio` (device pixels per CSS pixel).
export function replay(ctx, record, width, height, ratio = 1) {
  ctx.save();
  ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
  ctx.globalCompositeOperation = 'source-over';
  ctx.fillStyle = '#fff';
  ctx.fillRect(0, 0, width, height);
  ctx.lineCap = 'butt';
  ctx.lineJoin = 'miter';
  let pen = 0, penWidth = 1, penStyle = 0, penMode = 0, brush = 0xffffff, brushStyle = 0;
  let fontPoints = 9, fontColour = 0, flags = 0;
  let shift = 0.5;  // odd pen widths are centred on the pixel
  let path = null, endX = NaN, endY = NaN;

  // A wide pen strokes the run of lines as thin lines side by side, across the pen both ways:
  // the software rasteriser strokes thin lines many times faster than wide ones, and the
  // result is the pen's band, as the window draws it.
  const flush = () => {
    if (path === null) return;
    if (penWidth === 1 || penStyle === PEN_DOT) {
      ctx.stroke(path);
    } else {
      ctx.lineWidth = 1;
      const first = -Math.floor((penWidth - 1) / 2);
      for (let k = first; k < first + penWidth; ++k) {
        ctx.setTransform(ratio, 0, 0, ratio, k * ratio, 0);
        ctx.stroke(path);
        if (k !== 0) {
          ctx.setTransform(ratio, 0, 0, ratio, 0, k * ratio);
          ctx.stroke(path);
        }
      }
      ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    }
    path = null;
    endX = endY = NaN;
  };
  const strokeStyle = () => {
    ctx.strokeStyle = penMode === MODE_INVERT ? '#fff' : css(pen);
    ctx.globalCompositeOperation = penMode === MODE_INVERT ? 'difference' : 'source-over';
    ctx.lineWidth = penWidth;
    ctx.setLineDash(penStyle === PEN_DOT ? [1, 1] : []);
  };
  const outline = () => {
    if (penStyle !== PEN_CLEAR) {
      strokeStyle();
      ctx.stroke();
    }
  };
  const fill = () => {
    if (brushStyle === BRUSH_SOLID) {
      ctx.globalCompositeOperation = 'source-over';
      ctx.fillStyle = css(brush);
      ctx.fill();
    }
  };

  const n = record.length;
  for (let i = 0; i < n;) {
    const op = record[i++];
    switch (op) {
      case OP_STATE:
        flush();
        pen = record[i]; penWidth = Math.min(Math.max(record[i + 1], 1), 64); penStyle = record[i + 2];
        penMode = record[i + 3]; brush = record[i + 4]; brushStyle = record[i + 5]; fontPoints = record[i + 6];
        fontColour = record[i + 7]; flags = record[i + 8];
        shift = penWidth % 2 === 1 ? 0.5 : 0;
        i += 9;
        break;
      case OP_LINE: {
        // Lines are stroked one pixel wide (a wide pen as a band of them), centred on the pixel.
        const x1 = record[i] + 0.5, y1 = record[i + 1] + 0.5, x2 = record[i + 2] + 0.5, y2 = record[i + 3] + 0.5;
        i += 4;
        if (path === null) {
          strokeStyle();
          path = new Path2D();
        }
        if (x1 !== endX || y1 !== endY) path.moveTo(x1, y1);
        path.lineTo(x2, y2);
        endX = x2;
        endY = y2;
        break;
      }
      case OP_TEXT: {
        flush();
        const x = record[i], y = record[i + 1], count = record[i + 2];
        const text = String.fromCharCode.apply(null, record.subarray(i + 3, i + 3 + count));
        i += 3 + count;
        const font = fontFor(fontPoints);
        ctx.font = font;
        ctx.globalCompositeOperation = 'source-over';
        if (brushStyle === BRUSH_SOLID && !(flags & FLAG_TRANSPARENT_TEXT)) {
          const packed = measureText(text, fontPoints);
          ctx.fillStyle = css(brush);
          ctx.fillRect(x, y, packed & 0xffff, packed >>> 16);
        }
        ctx.fillStyle = css(fontColour);
        ctx.textBaseline = 'alphabetic';
        ctx.fillText(text, x, y + ascentOf(font));
        break;
      }
      case OP_RECT: {
        flush();
        const l = record[i], t = record[i + 1], r = record[i + 2], b = record[i + 3];
        i += 4;
        if (brushStyle === BRUSH_SOLID) {
          ctx.globalCompositeOperation = 'source-over';
          ctx.fillStyle = css(brush);
          ctx.fillRect(l, t, r - l, b - t);
        }
        if (penStyle !== PEN_CLEAR) {
          ctx.beginPath();
          ctx.rect(l + shift, t + shift, r - l - 1, b - t - 1);
          outline();
        }
        break;
      }
      case OP_ELLIPSE: {
        flush();
        const l = record[i], t = record[i + 1], r = record[i + 2], b = record[i + 3];
        i += 4;
        ctx.beginPath();
        ctx.ellipse((l + r - 1) / 2 + 0.5, (t + b - 1) / 2 + 0.5, Math.max((r - l - 1) / 2, 0), Math.max((b - t - 1) / 2, 0), 0, 0, 2 * Math.PI);
        fill();
        outline();
        break;
      }
      case OP_POLYGON: {
        flush();
        const count = record[i++];
        ctx.beginPath();
        for (let k = 0; k < count; ++k) {
          const x = record[i + 2 * k] + shift, y = record[i + 2 * k + 1] + shift;
          if (k === 0) ctx.moveTo(x, y); else ctx.lineTo(x, y);
        }
        i += 2 * count;
        ctx.closePath();
        fill();
        outline();
        break;
      }
      case OP_PIXEL:
        flush();
        ctx.globalCompositeOperation = 'source-over';
        ctx.fillStyle = css(record[i + 2]);
        ctx.fillRect(record[i], record[i + 1], 1, 1);
        i += 3;
        break;
      default:
        i = n;  // an unknown operation: the rest cannot be read
    }
  }
  flush();
  ctx.restore();
}
