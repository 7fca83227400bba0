// WebKitGTK, the engine of Safari, driven by selenium-webdriver through WebKitWebDriver and the
// MiniBrowser it starts. Each page is a session of its own, in a MiniBrowser window alone on a
// virtual X display of its own.
//
// WebKitGTK has no touch screen to emulate and no way to make "(hover: none)" or
// "(pointer: coarse)" match. A touch page stands in for one: after each load its stylesheets are
// read again from disk with those conditions made true, and a tap is what a tap is on an iPhone:
// the pointer moves onto the element and clicks it, and stays with the element if the page moves
// (engine_page.mjs), as an iPhone's hover stays with what was tapped.
//
// Phone-sized pages are real windows of the phone's width. MiniBrowser's toolbar would keep its
// window some 450 pixels wide; a style sheet for its toolbar (given to GTK only, never to the page)
// takes the buttons' padding and least widths away, so the window can be as narrow as 341 pixels.
//
// The window must hold the keyboard focus, as the one a user works in does, or focus() and Tab
// move nothing and :focus-within never matches. With no window manager, X gives the keyboard to
// the window under its pointer, which starts in the middle of the screen, outside a narrow window:
// the pointer is put in the top left corner, on the window's toolbar. A display per page keeps two
// windows from ever sharing that one pointer.
import { execFileSync, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { Builder, Capabilities, Key, Origin } from 'selenium-webdriver';
import remote from 'selenium-webdriver/remote/index.js';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';

import { EnginePage } from './engine_page.mjs';

export const WEBKIT_DRIVER = '/usr/bin/WebKitWebDriver';
export const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
export const XVFB = '/usr/bin/Xvfb';
export const XDOTOOL = '/usr/bin/xdotool';
const SCREEN = '1600x1200x24'; // room for the widest window the tests ask for and its toolbar

const KEYS = { Tab: Key.TAB, Enter: Key.ENTER, Escape: Key.ESCAPE };

// Runs inside the page: makes the touch-screen conditions true in every style element, and puts
// the given texts of linked stylesheets (read from disk, as the page's own origin may not read
// them) in their places, so made true too. The published stylesheets lie beside their page, so
// their relative addresses mean the same from there.
function asOnTouchScreen(linked) {
  const touch = (css) => css.replaceAll('(hover: none)', 'all').replaceAll('(pointer: coarse)', 'all');
  for (const style of document.querySelectorAll('style')) style.textContent = touch(style.textContent);
  for (const link of [...document.querySelectorAll('link[rel="stylesheet"]')]) {
    if (!(link.href in linked)) continue;
    const style = document.createElement('style');
    style.textContent = touch(linked[link.href]);
    link.replaceWith(style);
  }
}

// GTK reads a user's style sheet from $XDG_CONFIG_HOME/gtk-3.0/gtk.css: this one, in a folder of
// the session's own, lets the toolbar (the second box of the window's top box) shrink.
const NARROW_TOOLBAR_CSS = 'window > box > box > * { min-width: 0; padding: 0; }\n';

function narrowToolbarConfig() {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'trellis-webkit-'));
  fs.mkdirSync(path.join(folder, 'gtk-3.0'));
  fs.writeFileSync(path.join(folder, 'gtk-3.0', 'gtk.css'), NARROW_TOOLBAR_CSS);
  return folder;
}

// Displays still running when the tests end (a test that failed before its page closed) end too.
const displays = new Set();
process.on('exit', () => {
  for (const server of displays) server.kill();
});

// Starts a virtual X display (the server picks a free number and writes it to descriptor 3) with
// the pointer in its top left corner. An X server that resets when its last client leaves would
// put the pointer back in the middle as soon as xdotool is done.
function startDisplay() {
  return new Promise((resolve, reject) => {
    const server = spawn(XVFB, ['-displayfd', '3', '-screen', '0', SCREEN, '-nolisten', 'tcp', '-noreset'],
      { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
    let number = '';
    let errors = '';
    server.stderr.on('data', (data) => { errors += data; });
    server.stdio[3].on('data', (data) => {
      if (number.includes('\n')) return;
      number += data;
      if (!number.includes('\n')) return;
      const display = `:${number.trim()}`;
      try {
        execFileSync(XDOTOOL, ['mousemove', '0', '0'], { env: { ...process.env, DISPLAY: display } });
      } catch (error) {
        server.kill();
        reject(error);
        return;
      }
      displays.add(server);
      server.on('exit', () => displays.delete(server));
      resolve({ server, display });
    });
    server.on('error', reject);
    server.on('exit', (code) => reject(new Error(`${XVFB} stopped (${code}) before it took a display: ${errors.trim()}`)));
  });
}

async function startSession() {
  const { server, display } = await startDisplay();
  const port = await findFreePort();
  const configFolder = narrowToolbarConfig();
  const service = new remote.DriverService(WEBKIT_DRIVER, {
    port,
    hostname: '127.0.0.1',
    args: [`--port=${port}`],
    env: { ...process.env, DISPLAY: display, XDG_CONFIG_HOME: configFolder },
  });
  const url = await service.start();
  const capabilities = new Capabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
  });
  const driver = await new Builder().usingServer(url).withCapabilities(capabilities).build();
  return { driver, service, configFolder, server };
}

async function endSession({ driver, service, configFolder, server }) {
  await driver.quit().catch(() => {});
  await service.kill();
  server.kill();
  fs.rmSync(configFolder, { recursive: true, force: true });
}

function innerSize() {
  return { width: window.innerWidth, height: window.innerHeight };
}

// A resized window reaches its page a moment later: polls the page's size until it is what the
// test asks for (or two seconds have passed) and gives the last size seen.
async function innerSizeBecomes(evaluate, wanted) {
  let now = await evaluate(innerSize);
  for (let waited = 0; !wanted(now) && waited < 2000; waited += 50) {
    await new Promise((resolve) => setTimeout(resolve, 50));
    now = await evaluate(innerSize);
  }
  return now;
}

function driverFor(session, touch) {
  const { driver } = session;
  const evaluate = (fn, arg) => driver.executeScript(`return (${fn}).apply(null, arguments)`, arg ?? null);
  let size = { width: 0, height: 0 };
  let toolbarHeight = null;
  let last = null;
  // A move to where the pointer already is reaches no page loaded since: it steps to the page's
  // bottom right corner first, where no menu lies.
  const pointerTo = async (x, y) => {
    const to = { x: Math.round(x), y: Math.round(y) };
    if (last && last.x === to.x && last.y === to.y) {
      await driver.actions().move({ x: size.width - 2, y: size.height - 2, origin: Origin.VIEWPORT }).perform();
    }
    last = to;
    return driver.actions().move({ ...to, origin: Origin.VIEWPORT });
  };
  const click = async (x, y) => (await pointerTo(x, y)).press().release().perform();
  return {
    engine: { name: 'webkit', emulatesTouch: false },
    pointerIsFinger: touch,
    evaluate,
    // The window's toolbar takes its share of the height asked for: it is measured once, before
    // the first resize (while nothing is pending), and added. A window that cannot be made that
    // size fails the page rather than showing something else.
    async setViewport(width, height) {
      size = { width, height };
      const browserWindow = driver.manage().window();
      if (toolbarHeight === null) toolbarHeight = (await browserWindow.getRect()).height - (await evaluate(innerSize)).height;
      await browserWindow.setRect({ width, height: height + toolbarHeight });
      const shown = await innerSizeBecomes(evaluate, (now) => now.width === width && now.height === height);
      if (shown.width !== width || shown.height !== height) {
        throw new Error(`MiniBrowser's window shows ${shown.width}x${shown.height} pixels of page, not ${width}x${height}`);
      }
    },
    async goto(url) {
      await driver.get(url);
      if (!(await evaluate(() => document.hasFocus()))) {
        throw new Error("MiniBrowser's window does not hold the keyboard focus: is the X pointer outside it?");
      }
      if (!touch) return;
      const hrefs = await evaluate(() => [...document.querySelectorAll('link[rel="stylesheet"]')].map((link) => link.href));
      const linked = {};
      for (const href of hrefs.filter((href) => href.startsWith('file:'))) {
        linked[href] = fs.readFileSync(fileURLToPath(href), 'utf8');
      }
      await evaluate(asOnTouchScreen, linked);
    },
    async screenshot(file) {
      fs.writeFileSync(file, Buffer.from(await driver.takeScreenshot(), 'base64'));
    },
    mouseMove: async (x, y) => (await pointerTo(x, y)).perform(),
    mouseClick: click,
    keyPress: (key) => driver.actions().sendKeys(KEYS[key] ?? key).perform(),
    tap: click,
    close: () => endSession(session),
  };
}

function contextOf({ width, height }, touch, open) {
  return {
    async newPage() {
      const session = await startSession();
      open.add(session);
      const page = new EnginePage(driverFor(session, touch), { width, height });
      const close = page.close.bind(page);
      page.close = async () => {
        open.delete(session);
        await close();
      };
      await page.setViewportSize({ width, height });
      return page;
    },
  };
}

export async function launchWebKit({ width = 1280, height = 900 } = {}) {
  const open = new Set();
  return {
    engine: 'webkit',
    context: contextOf({ width, height }, false, open),
    async touchContext({ width: touchWidth = 375, height: touchHeight = 740 } = {}) {
      return contextOf({ width: touchWidth, height: touchHeight }, true, open);
    },
    async close() {
      for (const session of open) await endSession(session);
      open.clear();
    },
  };
}
