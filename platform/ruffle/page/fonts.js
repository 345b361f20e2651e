"use strict";

// The fonts that movies' device text is drawn with, as Windows drew it: Arial, Times New
// Roman and Courier New, in bold and italic too (and _sans, _serif and _typewriter as
// those three, see options.js; the engine draws other names as _sans). The program picks
// each face's file from the system's fonts when the page asks for
// "device-fonts/<font>/<style>". The engine takes fonts under names of our choosing only
// from a movie's font definitions, so the faces go to it as one such movie, made here
// once, on the first load, and kept.
const deviceFonts = (() => {
  const fonts = ["Arial", "Times New Roman", "Courier New"];
  const styles = [
    { name: "regular", flags: 0 },
    { name: "bold", flags: 0x01 },
    { name: "italic", flags: 0x02 },
    { name: "bold-italic", flags: 0x03 },
  ];
  const hasFontData = 0x04;
  const defineFont4 = 91;
  const swfVersion = 10;  // names in UTF-8

  function tag(code, body) {
    const header = new DataView(new ArrayBuffer(6));
    header.setUint16(0, (code << 6) | 0x3f, true);  // long form: the length follows
    header.setUint32(2, body.size, true);
    return [header.buffer, body];
  }

  function fontTag(id, name, flags, data) {
    const utf8 = new TextEncoder().encode(name);
    const head = new Uint8Array(3 + utf8.length + 1);
    head.set([id & 0xff, id >> 8, flags | hasFontData]);
    head.set(utf8, 3);
    return tag(defineFont4, new Blob([head, data]));
  }

  // An uncompressed movie of no size and no frames that holds only the fonts.
  function fontMovie(faces) {
    const parts = faces.flatMap((face, index) => fontTag(index + 1, face.name, face.flags, face.data));
    parts.push(new Uint8Array([0, 0]));  // End
    const body = new Blob(parts);
    const header = new DataView(new ArrayBuffer(13));
    [0x46, 0x57, 0x53, swfVersion].forEach((byte, i) => header.setUint8(i, byte));  // "FWS"
    header.setUint32(4, 13 + body.size, true);
    // An empty frame rectangle (one byte), a frame rate and a frame count of 0.
    return new Blob([header.buffer, body]);
  }

  async function face(font, style) {
    const response = await fetch(`device-fonts/${encodeURIComponent(font)}/${style.name}`);
    if (!response.ok) throw new Error(`no ${font} ${style.name}`);
    return { name: font, flags: style.flags, data: await response.arrayBuffer() };
  }

  let source = null;
  let read = null;
  // The engine's font sources: the font movie, or none when the system has none of the
  // faces (then the engine draws device text with its own face).
  function sources() {
    if (!source) {
      const wanted = fonts.flatMap((font) => styles.map((style) => face(font, style)));
      source = Promise.allSettled(wanted).then((results) => {
        const found = results.filter((result) => result.status === "fulfilled").map((result) => result.value);
        read = found.length ? [URL.createObjectURL(fontMovie(found))] : [];
        return read;
      });
    }
    return source;
  }

  // The font sources once they are read, else null.
  return { sources, read: () => read };
})();
