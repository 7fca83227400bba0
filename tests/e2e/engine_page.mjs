// The page interface the scenarios use (a small part of playwright-core's Page) built on a few
// primitives that each engine's driver supplies, for engines that playwright-core cannot drive.
import fs from 'node:fs';
import { createRequire } from 'node:module';

const AXE_SOURCE = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const POLL_MS = 50;
const DEFAULT_TIMEOUT_MS = 10000;

// Runs inside the page: follows a chain of steps ({ selector } searches below each element found
// so far, { nth } keeps one of them) to an element, scrolls it into view and gives the centre of
// its box and whether it shows; null when the chain leads nowhere.
function centreOf(chain) {
  let found = [document];
  for (const step of chain) {
    found = step.selector !== undefined
      ? found.flatMap((element) => [...element.querySelectorAll(step.selector)])
      : found.slice(step.nth, step.nth + 1);
  }
  const element = found[0];
  if (!element) return null;
  element.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  const r = element.getBoundingClientRect();
  return { x: r.left + r.width / 2, y: r.top + r.height / 2, visible: r.width > 0 && r.height > 0 && element.checkVisibility() };
}

// A touch that starts outside the aimed element is cancelled: no mouse events, no click.
function armTouchGuard(selector) {
  const aimed = document.querySelector(selector);
  const guard = (event) => {
    document.removeEventListener('touchstart', guard, true);
    if (aimed.contains(event.target)) return;
    window.trellisTapMissed = true;
    event.preventDefault();
  };
  window.trellisTapMissed = false;
  window.trellisTouchGuard = guard;
  document.addEventListener('touchstart', guard, { capture: true, passive: false });
}

function disarmTouchGuard() {
  document.removeEventListener('touchstart', window.trellisTouchGuard, true);
  return window.trellisTapMissed === true;
}

const TAP_ATTEMPTS = 3;

class Locator {
  constructor(page, chain) {
    this.page = page;
    this.chain = chain;
  }

  locator(selector) { return new Locator(this.page, [...this.chain, { selector }]); }
  nth(index) { return new Locator(this.page, [...this.chain, { nth: index }]); }

  async centre() {
    const at = await this.page.evaluate(centreOf, this.chain);
    if (!at) throw new Error(`no element for ${JSON.stringify(this.chain)}`);
    return at;
  }

  async hover() {
    const { x, y } = await this.centre();
    await this.page.mouse.move(x, y);
  }

  async click() {
    const { x, y } = await this.centre();
    await this.page.driver.mouseClick(x, y);
  }

  async isVisible() {
    const at = await this.page.evaluate(centreOf, this.chain);
    return !!at?.visible;
  }
}

// Elements by ARIA role and accessible name, as axe-core computes them (the engines' own
// accessibility trees are not reachable through their drivers).
class RoleQuery {
  constructor(page, role, name) {
    this.page = page;
    this.role = role;
    this.name = name;
  }

  async count() {
    await this.page.addScriptTag({ content: AXE_SOURCE });
    return this.page.evaluate(({ role, name }) => {
      const { aria, text, utils } = window.axe.commons;
      window.axe.setup?.(document);
      const matches = [...document.querySelectorAll('*')].filter((element) =>
        aria.getRole(element) === role && text.accessibleText(element).trim() === name && utils.isHidden?.(element) !== true);
      window.axe.teardown?.();
      return matches.length;
    }, { role: this.role, name: this.name });
  }
}

// driver: { engine, evaluate(fn, arg), setViewport(width, height), goto(url), screenshot(path),
// mouseMove(x, y), mouseClick(x, y), keyPress(key), tap(x, y), close(), and pointerIsFinger when
// taps are mouse clicks standing in for a touch screen }. Functions passed to
// evaluate run in the page with one serialisable argument, as in playwright-core.
export class EnginePage {
  constructor(driver, { width, height }) {
    this.driver = driver;
    this.size = { width, height };
    this.mouse = { move: (x, y) => driver.mouseMove(x, y) };
    this.keyboard = { press: (key) => driver.keyPress(key) };
    this.touchscreen = { tap: (x, y) => driver.tap(x, y) };
  }

  get engine() { return this.driver.engine; }

  evaluate(fn, arg) { return this.driver.evaluate(fn, arg); }

  async waitForFunction(fn, arg, { timeout = DEFAULT_TIMEOUT_MS } = {}) {
    const end = Date.now() + timeout;
    for (;;) {
      if (await this.evaluate(fn, arg)) return true;
      if (Date.now() > end) throw new Error(`timed out after ${timeout} ms waiting for ${fn.toString().slice(0, 120)}`);
      await new Promise((resolve) => setTimeout(resolve, POLL_MS));
    }
  }

  viewportSize() { return { ...this.size }; }

  async setViewportSize({ width, height }) {
    this.size = { width, height };
    await this.driver.setViewport(width, height);
  }

  async goto(url) {
    await this.driver.goto(url);
    await this.waitForFunction(() => document.readyState === 'complete');
  }

  screenshot({ path }) { return this.driver.screenshot(path); }

  locator(selector) { return new Locator(this, [{ selector }]); }

  getByRole(role, { name }) { return new RoleQuery(this, role, name); }

  // Firefox at times scrolls the page while it dispatches a touch, after the aim was taken, so the
  // finger comes down on whatever moved there, such as a link of an open panel. A touch that lands
  // outside the aimed element is cancelled before the page sees it, and the tap is made again
  // where the element now is, as a person would.
  async tap(selector) {
    let x;
    let y;
    for (let attempt = 1; ; ++attempt) {
      ({ x, y } = await this.locator(selector).centre());
      await this.evaluate(armTouchGuard, selector);
      await this.driver.tap(x, y);
      const missed = await this.evaluate(disarmTouchGuard);
      if (!missed) break;
      if (attempt === TAP_ATTEMPTS) throw new Error(`the tap on ${selector} landed elsewhere ${TAP_ATTEMPTS} times`);
    }
    // A phone keeps the hover on what was tapped however the page then moves; a pointer standing
    // in for the finger follows the element, or the engine would hover whatever came under it.
    if (!this.driver.pointerIsFinger) return;
    const now = await this.locator(selector).centre();
    if (now.x !== x || now.y !== y) await this.driver.mouseMove(now.x, now.y);
  }

  focus(selector) { return this.evaluate((selector) => document.querySelector(selector).focus(), selector); }

  // The only script the scenarios add is axe-core, once per page load.
  addScriptTag({ content }) {
    return this.evaluate((content) => {
      if (window.axe) return;
      const script = document.createElement('script');
      script.textContent = content;
      document.head.append(script);
    }, content);
  }

  close() { return this.driver.close(); }
}
