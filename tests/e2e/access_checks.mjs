// What the host's access rules and page mends must achieve in the browser: keyboard and touch use,
// the folded bar, touch targets, accessible names, icon colours, sizes and places, and axe-core.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';

import { EMULATES_TOUCH } from './browser.mjs';
import { GENERATIONS, waitForPanel } from './menu_page.mjs';

const AXE_SOURCE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');

export function near(actual, expected, tolerance, what) {
  assert.ok(Math.abs(actual - expected) <= tolerance, `${what}: ${actual} is not within ${tolerance} of ${expected}`);
}

export function toggleSelector(name) {
  return `label[for="cv_${name}-menu"]`;
}

// CSS selectors (for the page and the DevTools protocol alike) of a bar button's trigger and of
// the links inside its panel.
export function triggerSelector(menu, index) {
  return menu.plugin === 'Trellis'
    ? `#${menu.name} > li:nth-child(${index + 1}) > a`
    : `#${menu.name} > :nth-child(${index + 1}) > .dropbtn`;
}

export function panelLinkSelector(menu, index) {
  return menu.plugin === 'Trellis'
    ? `#${menu.name} > li:nth-child(${index + 1}) .dropdown-megamenu a`
    : `#${menu.name} > :nth-child(${index + 1}) .dropdown-content a`;
}

function panelSelector(menu, index) {
  return menu.plugin === 'Trellis'
    ? `#${menu.name} > li:nth-child(${index + 1}) .dropdown-megamenu`
    : `#${menu.name} > :nth-child(${index + 1}) .dropdown-content`;
}

// Puts the pointer where no menu is and the focus back at the page's start.
export async function restAtPageTop(page) {
  const { width, height } = page.viewportSize();
  await page.mouse.move(width - 2, height - 2);
  await page.evaluate(() => {
    document.activeElement?.blur();
    window.getSelection()?.removeAllRanges();
  });
}

// The focused element's text and outline, once the outline has its colour: the first
// generation's links move every property, the outline's colour too, over a transition.
async function focused(page, outlineColor) {
  await page.waitForFunction((colour) => {
    const element = document.activeElement;
    return element && element !== document.body && getComputedStyle(element).outlineColor === colour;
  }, outlineColor, { timeout: 2000 }).catch(() => {});
  return page.evaluate(() => {
    const element = document.activeElement;
    if (!element || element === document.body) return null;
    const style = getComputedStyle(element);
    return { text: element.innerText.trim(), outline: style.outlineStyle, outlineColor: style.outlineColor };
  });
}

function texts(page, selector) {
  return page.evaluate((selector) => [...document.querySelectorAll(selector)].map((e) => e.innerText.trim()), selector);
}

// Tab from the page's start: the first drop-down's button takes focus and opens its panel, each
// further Tab reaches the next link of that panel with a visible outline, and the next Tab moves
// to the second drop-down, whose panel opens as the first one's closes.
export async function checkKeyboardWalk(page, menu, { captions, menuHover, dropDownHover }) {
  await restAtPageTop(page);
  await page.keyboard.press('Tab');
  let now = await focused(page, menuHover);
  assert.equal(now?.text, captions[0], 'the first Tab reaches the first drop-down');
  assert.equal(now.outline, 'solid', 'the focused button shows an outline');
  assert.equal(now.outlineColor, menuHover, 'the button outline is in the menu hover colour');
  await waitForPanel(page, menu.name, menu.plugin, 0, true);

  const links = await texts(page, panelLinkSelector(menu, 0));
  assert.ok(links.length > 2, 'the first panel has links');
  for (const [i, text] of links.entries()) {
    await page.keyboard.press('Tab');
    now = await focused(page, dropDownHover);
    assert.equal(now?.text, text, `Tab ${i + 2} reaches link ${i} of the first panel`);
    assert.equal(now.outline, 'solid', `link ${i} shows an outline`);
    assert.equal(now.outlineColor, dropDownHover, `link ${i}: outline in the drop-down hover colour`);
    await waitForPanel(page, menu.name, menu.plugin, 0, true);
  }
  await page.keyboard.press('Tab');
  assert.equal((await focused(page, menuHover))?.text, captions[1], 'the Tab after the last link reaches the second drop-down');
  await waitForPanel(page, menu.name, menu.plugin, 1, true);
  await waitForPanel(page, menu.name, menu.plugin, 0, false);
}

function noSidewaysScroll(page, where) {
  return page.evaluate(() => ({ scroll: document.documentElement.scrollWidth, client: document.documentElement.clientWidth }))
    .then(({ scroll, client }) => assert.ok(scroll <= client, `${where}: the page scrolls sideways (${scroll} > ${client})`));
}

function boxOf(page, selector) {
  return page.evaluate((selector) => {
    const element = document.querySelector(selector);
    if (!element) return null;
    const r = element.getBoundingClientRect();
    return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height,
      shown: getComputedStyle(element).display !== 'none' && r.width > 0 };
  }, selector);
}

// Boxes of every visible link and button of the bar and of its open panels, and of the toggle.
export function targetBoxes(page, menu) {
  return page.evaluate(({ name }) => {
    const elements = [...document.querySelectorAll(`#${name} a, #${name} button, label[for="cv_${name}-menu"]`)];
    return elements.map((element) => {
      const r = element.getBoundingClientRect();
      const visible = r.width > 0 && r.height > 0 && element.checkVisibility();
      return { text: element.innerText.trim(), visible, width: r.width, height: r.height, left: r.left, top: r.top };
    }).filter((box) => box.visible);
  }, { name: menu.name });
}

// On a phone-sized touch screen: the bar is folded into the toggle; a tap on it shows the buttons
// as a full-width list, a tap on a drop-down opens its panel below it, a tap on another button
// moves the panel there and a tap outside closes it; nothing scrolls sideways, and every link and
// button shown is a target of at least 24 by 24 pixels.
export async function checkTouchUse(page, menu, { screenshot }) {
  // WebKitGTK cannot make these conditions match; its driver stands in by making the stylesheets'
  // rules for them apply (engine_webkit.mjs).
  if (EMULATES_TOUCH) {
    const media = await page.evaluate(() => ({ hover: matchMedia('(hover: none)').matches, coarse: matchMedia('(pointer: coarse)').matches }));
    assert.deepEqual(media, { hover: true, coarse: true }, 'the touch context has no hover and a coarse pointer');
  }
  const width = page.viewportSize().width;
  const toggle = toggleSelector(menu.name);
  assert.equal((await boxOf(page, `#${menu.name}`)).shown, false, 'the bar is folded');
  const label = await boxOf(page, toggle);
  assert.ok(label.shown, 'the Menu toggle shows');
  near(label.width, width, 1, 'toggle width');
  await noSidewaysScroll(page, 'folded');
  await screenshot('folded');

  await page.tap(toggle);
  const gen = GENERATIONS[menu.plugin];
  const entries = await page.evaluate(({ name, gen }) => [...document.getElementById(name).querySelectorAll(gen.entries)]
    .map((entry) => { const r = entry.getBoundingClientRect(); return { left: r.left, top: r.top, width: r.width, bottom: r.bottom }; }),
  { name: menu.name, gen });
  assert.ok(entries.length >= 2, 'the list shows its buttons');
  for (const [i, entry] of entries.entries()) {
    near(entry.left, 0, 1, `list entry ${i} left`);
    near(entry.width, width, 1, `list entry ${i} width`);
    if (i > 0) assert.ok(entry.top >= entries[i - 1].bottom - 1, `list entry ${i} stands below entry ${i - 1}`);
  }
  await noSidewaysScroll(page, 'unfolded');

  await page.tap(triggerSelector(menu, 0));
  await waitForPanel(page, menu.name, menu.plugin, 0, true);
  const trigger = await boxOf(page, triggerSelector(menu, 0));
  const panel = await boxOf(page, panelSelector(menu, 0));
  near(panel.top, trigger.bottom, 1, 'the panel opens right below its button');
  near(panel.left, 0, 1, 'panel left');
  near(panel.width, width, 1, 'panel width');
  await noSidewaysScroll(page, 'panel open');
  for (const box of await targetBoxes(page, menu)) {
    assert.ok(box.width >= 24 && box.height >= 24, `"${box.text}" is ${box.width} x ${box.height}, under 24 x 24`);
  }
  await screenshot('panel');

  await page.tap(triggerSelector(menu, 1));
  await waitForPanel(page, menu.name, menu.plugin, 1, true);
  await waitForPanel(page, menu.name, menu.plugin, 0, false);
  await page.tap('main h1');
  await waitForPanel(page, menu.name, menu.plugin, 1, false);
  await noSidewaysScroll(page, 'closed');
}

// Makes taps leave the focus where it was, as browsers do that focus no button or link on a tap:
// the tap's mousedown is cancelled before the page sees it.
export function suppressTapFocus(page) {
  return page.evaluate(() => document.addEventListener('mousedown', (event) => event.preventDefault(), true));
}

function panelState(page, menu) {
  return page.evaluate(({ name, gen }) => [...document.getElementById(name).querySelectorAll(gen.entries)]
    .map((entry) => entry.querySelector(gen.panel))
    .filter((panel) => panel)
    .map((panel) => getComputedStyle(panel).display !== 'none'), { name: menu.name, gen: GENERATIONS[menu.plugin] });
}

async function onlyPanelOpen(page, menu, index, where) {
  if (index !== null) await waitForPanel(page, menu.name, menu.plugin, index, true);
  const shown = await panelState(page, menu);
  assert.deepEqual(shown, shown.map((_, i) => i === index), `${where}: panels shown`);
}

async function tapWithoutFocus(page, selector) {
  await page.evaluate(() => { window.focusBeforeTap = document.activeElement; });
  await page.tap(selector);
  const moved = await page.evaluate(() => {
    const name = (element) => (element ? `${element.localName}${element.id ? `#${element.id}` : ''} "${(element.textContent || '').trim().slice(0, 20)}"` : 'nothing');
    return document.activeElement === window.focusBeforeTap ? null : `from ${name(window.focusBeforeTap)} to ${name(document.activeElement)}`;
  });
  assert.equal(moved, null, `the tap on ${selector} moved the focus`);
}

// On a phone-sized touch screen whose taps focus nothing: a tap on a drop-down's button opens its
// panel through the tap's hover alone, a tap inside the panel keeps it open, a tap on another
// button moves the panel there and a tap outside closes it. A drop-down that holds the focus
// shuts its panel while an earlier one holds the hover. The Menu toggle unfolds and folds the bar.
// The buttons are tapped from the bottom up: Chromium moves the hover as the finger touches down
// and aims the tap's mouse events at what then lies under it, so a button below an open panel
// would have moved away from the finger (iPhones drop the click of a tap whose hover changed the
// page, and Chromium's own taps keep the first panel open by focus until the tap has landed).
export async function checkTapWithoutFocus(page, menu, { screenshot }) {
  await suppressTapFocus(page);
  const toggle = toggleSelector(menu.name);
  const barShown = () => page.evaluate((name) => getComputedStyle(document.getElementById(name)).display !== 'none', menu.name);
  await page.tap(toggle); // the label hands the focus to its checkbox, outside the drop-downs
  assert.equal(await barShown(), true, 'a tap on the toggle unfolds the bar');

  await tapWithoutFocus(page, triggerSelector(menu, 1));
  assert.equal(await page.evaluate((selector) => document.querySelector(selector).matches(':hover'), triggerSelector(menu, 1)),
    true, 'the tapped button holds the hover');
  await onlyPanelOpen(page, menu, 1, 'second button tapped');
  await screenshot('tap-no-focus');
  const title = `${panelSelector(menu, 1)} ${GENERATIONS[menu.plugin].title}`;
  await tapWithoutFocus(page, title);
  await onlyPanelOpen(page, menu, 1, "the second panel's group title tapped");
  await tapWithoutFocus(page, triggerSelector(menu, 0));
  await onlyPanelOpen(page, menu, 0, 'first button tapped');
  await tapWithoutFocus(page, 'main h1');
  await onlyPanelOpen(page, menu, null, 'a tap outside the menu');
  // Firefox gives the hover to whatever comes under the finger's last place when the page moves
  // (a panel closing, focus scrolling a button into view), so the finger rests on the heading
  // with the page at its top, where focusing a button of the bar moves nothing.
  await page.evaluate(() => window.scrollTo(0, 0));
  await tapWithoutFocus(page, 'main h1');

  // Focus on the second button, as the keyboard leaves it, opens its panel until a tap moves the
  // hover to the first drop-down.
  await page.focus(triggerSelector(menu, 1));
  await onlyPanelOpen(page, menu, 1, 'focus on the second button');
  await tapWithoutFocus(page, triggerSelector(menu, 0));
  await onlyPanelOpen(page, menu, 0, 'focus on the second button, first button tapped');
  await page.evaluate(() => document.activeElement?.blur());

  await page.tap(toggle);
  assert.equal(await barShown(), false, 'a second tap on the toggle folds the bar');
}

// On a wide touch screen, where the panels float over the page: a drop-down that holds the focus
// shuts its panel while a later one holds the tap's hover.
export async function checkWideTapWithoutFocus(page, menu) {
  await suppressTapFocus(page);
  // The finger starts outside the menu, wherever the last page left it (Firefox keeps its place,
  // which may lie on a button of this page and open a panel over the heading): in the corner.
  const { width, height } = page.viewportSize();
  await page.touchscreen.tap(width - 2, height - 2);
  await onlyPanelOpen(page, menu, null, 'a tap in the corner');
  await page.focus(triggerSelector(menu, 0));
  await onlyPanelOpen(page, menu, 0, 'focus on the first button');
  await tapWithoutFocus(page, triggerSelector(menu, 1));
  await onlyPanelOpen(page, menu, 1, 'focus on the first button, second button tapped');
}

// axe-core on the page as it stands: nothing serious or critical, except colour contrast of the
// menu's own colours (its settings, which the menu check reports).
export async function checkAxe(page, menu, where) {
  await page.addScriptTag({ content: AXE_SOURCE });
  const violations = await page.evaluate(async () => {
    const result = await window.axe.run(document, { resultTypes: ['violations'] });
    return result.violations.map((violation) => ({
      id: violation.id,
      impact: violation.impact,
      nodes: violation.nodes.map((node) => ({
        target: node.target.join(' '),
        inMenu: !!document.querySelector(node.target[0])?.closest('nav'),
      })),
    }));
  });
  const serious = violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
    .filter((v) => !(v.id === 'color-contrast' && v.nodes.every((node) => node.inMenu)));
  assert.deepEqual(serious, [], `${where}: axe-core finds ${JSON.stringify(serious, null, 1)}`);
}

// The landmark and the names a screen reader announces: captions alone, no icon glyph.
export async function checkNames(page, menu, { label, caption, linkText }) {
  assert.equal(await page.getByRole('navigation', { name: label, exact: true }).count(), 1, `a navigation landmark named ${label}`);
  const role = menu.plugin === 'Trellis' ? 'link' : 'button';
  assert.equal(await page.getByRole(role, { name: caption, exact: true }).count(), 1, `the ${role} named "${caption}"`);
  if (linkText) assert.equal(await page.getByRole('link', { name: linkText, exact: true }).count(), 1, `the link named "${linkText}"`);
}

// Relative luminance and contrast ratio as WCAG defines them, of colours as "rgb(r, g, b)".
function contrast(a, b) {
  const luminance = (text) => {
    const [r, g, bl] = text.match(/[\d.]+/g).slice(0, 3).map((v) => {
      const c = Number(v) / 255;
      return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * bl;
  };
  const [l1, l2] = [luminance(a), luminance(b)].sort((x, y) => y - x);
  return (l1 + 0.05) / (l2 + 0.05);
}

// Each icon of the elements matched, beside its caption: the icon's box, its font size and
// colour (fill for a drawing), the box of the caption's text, the element's text colour and the
// background behind it.
function iconsBeside(page, selector, backgroundSelector) {
  return page.evaluate(({ selector, backgroundSelector }) => [...document.querySelectorAll(selector)].flatMap((element) => {
    const icon = element.querySelector(':scope > i, :scope > svg');
    if (!icon) return [];
    let node = icon.nextSibling;
    while (node && !(node.nodeType === Node.TEXT_NODE && node.textContent.trim())) node = node.nextSibling;
    const range = document.createRange();
    const text = node.textContent;
    range.setStart(node, text.length - text.trimStart().length);
    range.setEnd(node, text.trimEnd().length);
    const r = icon.getBoundingClientRect();
    const caption = range.getBoundingClientRect();
    const style = getComputedStyle(icon);
    return [{
      caption: text.trim(),
      box: { left: r.left, right: r.right, top: r.top, height: r.height, width: r.width },
      text: { left: caption.left, top: caption.top, height: caption.height },
      fontSize: parseFloat(style.fontSize),
      colour: icon.matches('svg') ? style.fill : style.color,
      linkColour: getComputedStyle(element).color,
      background: getComputedStyle(document.querySelector(backgroundSelector)).backgroundColor,
    }];
  }), { selector, backgroundSelector });
}

// Icons at the icon size, the icon offset between icon and caption, centred on the caption's line,
// and in a panel coloured to stand out from the panel as much as its link text does.
export async function checkIconPlacement(page, menu, { iconPixels, fontIconWidth, offset, hoverFirst }) {
  const bar = await iconsBeside(page, [0, 1, 2, 3].map((i) => triggerSelector(menu, i)).join(', '), `#${menu.name}`);
  await hoverFirst();
  const panel = await iconsBeside(page, panelLinkSelector(menu, 0), panelSelector(menu, 0));
  assert.equal(bar.length, 4, 'an icon on every bar button');
  assert.ok(panel.length >= 3, 'icons in the first panel');
  for (const [where, icons] of [['bar', bar], ['panel', panel]]) {
    for (const icon of icons) {
      const what = `${where} "${icon.caption}"`;
      near(icon.box.height, iconPixels, 0.5, `${what}: icon height`);
      near(icon.box.width, menu.icons === 'svg' ? iconPixels : fontIconWidth, 0.5, `${what}: icon width`);
      if (menu.icons === 'font') near(icon.fontSize, iconPixels, 0.01, `${what}: icon font size`);
      near(icon.text.left - icon.box.right, offset, 1, `${what}: gap between icon and caption`);
      near(icon.box.top + icon.box.height / 2, icon.text.top + icon.text.height / 2, 1, `${what}: icon and caption centres`);
    }
  }
  for (const icon of panel) {
    const needed = contrast(icon.linkColour, icon.background);
    const has = contrast(icon.colour, icon.background);
    assert.ok(has >= needed - 0.01, `panel "${icon.caption}": icon ${icon.colour} on ${icon.background} has contrast ${has.toFixed(2)}, its link text ${needed.toFixed(2)}`);
  }
}

// Font size and paddings of a bar button and of a panel link, as computed.
export function computedSizes(page, menu) {
  return page.evaluate(({ trigger, link }) => {
    const of = (selector) => {
      const style = getComputedStyle(document.querySelector(selector));
      return { fontSize: style.fontSize, padding: style.padding };
    };
    return { trigger: of(trigger), link: of(link) };
  }, { trigger: triggerSelector(menu, 0), link: panelLinkSelector(menu, 0) });
}
