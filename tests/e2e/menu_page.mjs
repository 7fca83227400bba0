// Looks at a published menu in the browser: where its bar, buttons, panels and columns are drawn.

// How each generation's markup names the parts of the menu, relative to the wrapper element.
export const GENERATIONS = {
  Trellisv2: {
    entries: ':scope > *',
    trigger: ':scope > .dropbtn',
    panel: ':scope > .dropdown-content',
    columns: ':scope > .row > .column',
    title: '.title',
  },
  Trellis: {
    entries: ':scope > li',
    trigger: ':scope > a',
    panel: ':scope > .dropdown-megamenu',
    columns: ':scope > .container > ul',
    title: '.dropdown-header',
  },
};

// Runs inside the page. Describes the bar and every button; for each drop-down button also
// whether its panel shows, where it is and where its columns are.
function describeMenu({ name, gen }) {
  const box = (element) => {
    const r = element.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height };
  };
  const bar = document.getElementById(name);
  if (!bar) return null;
  const entries = [...bar.querySelectorAll(gen.entries)].map((entry) => {
    const trigger = entry.matches('a') ? entry : entry.querySelector(gen.trigger);
    const panel = entry.querySelector(gen.panel);
    const described = {
      caption: trigger ? trigger.innerText.trim() : '',
      box: box(entry),
      trigger: trigger ? box(trigger) : null,
      panel: null,
    };
    if (panel) {
      const shown = getComputedStyle(panel).display !== 'none';
      described.panel = {
        shown,
        box: box(panel),
        columns: [...panel.querySelectorAll(gen.columns)].map((column) => ({
          className: column.className,
          box: box(column),
          title: column.querySelector(gen.title)?.innerText ?? '',
          parentLeft: column.parentElement.getBoundingClientRect().left,
          parentWidth: column.parentElement.clientWidth,
        })),
      };
    }
    return described;
  });
  return {
    bar: box(bar),
    entries,
    viewport: { width: document.documentElement.clientWidth, height: window.innerHeight },
  };
}

export function inspectMenu(page, name, generation) {
  return page.evaluate(describeMenu, { name, gen: GENERATIONS[generation] });
}

// Loads the page at the given viewport size and waits until its fonts have settled: laying the
// page out starts the download of every font its text uses, and the set reports "loaded" once
// each of those has loaded or failed.
export async function openPage(page, url, { width, height = 900 }) {
  await page.setViewportSize({ width, height });
  await page.goto(url, { waitUntil: 'load' });
  await page.evaluate(() => document.body.getBoundingClientRect());
  await page.waitForFunction(() => document.fonts.status === 'loaded');
}

function triggerLocator(page, name, generation, index) {
  const gen = GENERATIONS[generation];
  const entry = page.locator(`#${name}`).locator(gen.entries).nth(index);
  return entry.locator(gen.trigger);
}

// Waits, by polling the page, until the panel of button `index` is shown (or hidden).
export function waitForPanel(page, name, generation, index, shown) {
  return page.waitForFunction(
    ({ name, gen, index, shown }) => {
      const entry = document.getElementById(name)?.querySelectorAll(gen.entries)[index];
      const panel = entry?.querySelector(gen.panel);
      return !!panel && (getComputedStyle(panel).display !== 'none') === shown;
    },
    { name, gen: GENERATIONS[generation], index, shown },
  );
}

// Points at drop-down button `index` and waits for its panel to open.
export async function hoverButton(page, name, generation, index) {
  await triggerLocator(page, name, generation, index).hover();
  await waitForPanel(page, name, generation, index, true);
}

// Chromium's own account of an icon element: the fonts that drew its text (its ::before
// content included) and the width of the ::before box that holds the glyph. This tells an icon
// font's glyph from a fallback font's box, even where the stylesheet fixes the element's width.
export async function iconGlyph(page, selector) {
  const cdp = await page.context().newCDPSession(page);
  try {
    await cdp.send('DOM.enable');
    await cdp.send('CSS.enable');
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const { nodeId } = await cdp.send('DOM.querySelector', { nodeId: root.nodeId, selector });
    if (!nodeId) throw new Error(`no element matches ${selector}`);
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId });
    const { node } = await cdp.send('DOM.describeNode', { nodeId, depth: 1 });
    const before = (node.pseudoElements ?? []).find((pseudo) => pseudo.pseudoType === 'before');
    let glyphWidth = 0;
    if (before) glyphWidth = (await cdp.send('DOM.getBoxModel', { nodeId: before.nodeId })).model.width;
    return { fonts, glyphWidth };
  } finally {
    await cdp.detach();
  }
}

// Whether the icon element's glyph (its ::before content, or its own text where a ligature makes
// the glyph) is drawn by the icon font, in any engine: drawn on a canvas in the family, with a
// fallback behind it, it must differ from what the fallback alone draws, and the family must hold it.
export function iconDrawnByFont(page, selector, family) {
  return page.evaluate(({ selector, family }) => {
    const element = document.querySelector(selector);
    if (!element) return null;
    const content = getComputedStyle(element, '::before').content;
    const text = content && content !== 'none' && content !== 'normal' ? content.slice(1, -1) : element.textContent.trim();
    const draw = (font) => {
      const canvas = document.createElement('canvas');
      canvas.width = 96;
      canvas.height = 48;
      const context = canvas.getContext('2d');
      context.font = font;
      context.textBaseline = 'top';
      context.fillText(text, 4, 4);
      return { pixels: context.getImageData(0, 0, canvas.width, canvas.height).data.join(), width: context.measureText(text).width };
    };
    const drawn = draw(`32px "${family}", monospace`);
    return {
      text,
      loaded: document.fonts.check(`32px "${family}"`, text),
      differs: drawn.pixels !== draw('32px monospace').pixels,
      width: drawn.width,
    };
  }, { selector, family });
}
