// WebKitGTK, the engine of Safari, driven by selenium-webdriver through WebKitWebDriver and the
// MiniBrowser it starts (which needs a display: run.sh gives it a virtual one). Each page is a
// session of its own.
//
// WebKitGTK has no touch screen to emulate and no way to make "(hover: none)" or
// "(pointer: coarse)" match. A touch page stands in for one: after each load its stylesheets are
// read again from disk with those conditions made true, and a tap is what a tap is on an iPhone:
// the pointer moves onto the element and clicks it, and stays with the element if the page moves
// (engine_page.mjs), as an iPhone's hover stays with what was tapped. A page narrower than a window
// can be is shown in a frame of its width.
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

import { Builder, Capabilities, Key, Origin } from 'selenium-webdriver';
import remote from 'selenium-webdriver/remote/index.js';
import { findFreePort } from 'selenium-webdriver/net/portprober.js';

import { EnginePage } from './engine_page.mjs';

export const WEBKIT_DRIVER = '/usr/bin/WebKitWebDriver';
export const MINIBROWSER = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

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

async function startSession() {
  const port = await findFreePort();
  const service = new remote.DriverService(WEBKIT_DRIVER, { port, hostname: '127.0.0.1', args: [`--port=${port}`] });
  const url = await service.start();
  const capabilities = new Capabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: MINIBROWSER, args: ['--automation'] },
  });
  const driver = await new Builder().usingServer(url).withCapabilities(capabilities).build();
  return { driver, service };
}

// A page narrower than the window can be, shown in a frame of that size at the window's top left
// corner, so that the frame's coordinates are the window's.
function framePage(folder, url, { width, height }) {
  const file = path.join(folder, 'frame.html');
  fs.writeFileSync(file, '<!DOCTYPE html><html><body style="margin:0">' +
    `<iframe src="${url}" style="position:fixed;left:0;top:0;border:0;width:${width}px;height:${height}px"></iframe>` +
    '</body></html>');
  return pathToFileURL(file).href;
}

function driverFor({ driver, service }, touch) {
  const evaluate = (fn, arg) => driver.executeScript(`return (${fn}).apply(null, arguments)`, arg ?? null);
  let size = { width: 0, height: 0 };
  let framed = null; // the size of the frame a page is shown in, when the window cannot be that small
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
  const frameFolder = fs.mkdtempSync(path.join(os.tmpdir(), 'trellis-webkit-'));
  return {
    engine: { name: 'webkit', emulatesTouch: false },
    pointerIsFinger: touch,
    evaluate,
    // The window's frame takes its share of the size asked for: the difference is added back. A
    // window cannot be narrower than its toolkit allows (some 450 pixels): below that the page is
    // shown in a frame of the size asked for.
    async setViewport(width, height) {
      await driver.switchTo().defaultContent();
      framed = null;
      size = { width, height };
      await driver.manage().window().setRect({ width, height });
      let inner = await evaluate(() => ({ width: window.innerWidth, height: window.innerHeight }));
      if (inner.width !== width || inner.height !== height) {
        const outer = await driver.manage().window().getRect();
        await driver.manage().window().setRect({
          width: Math.round(outer.width + width - inner.width),
          height: Math.round(outer.height + height - inner.height),
        });
        inner = await evaluate(() => ({ width: window.innerWidth, height: window.innerHeight }));
      }
      if (inner.width > width) framed = { width, height };
    },
    async goto(url) {
      await driver.switchTo().defaultContent();
      if (framed) {
        await driver.get(framePage(frameFolder, url, framed));
        await driver.switchTo().frame(0);
        for (let waited = 0; waited < 10000; waited += 50) {
          if (await evaluate(() => document.readyState === 'complete' && location.protocol === 'file:')) break;
          await new Promise((resolve) => setTimeout(resolve, 50));
        }
        // Known gap: the frame's page never has the focus (document.hasFocus() stays false, neither
        // a click nor focus() gives it), so :focus-within does not match there.
      } else {
        await driver.get(url);
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
    async close() {
      await driver.quit();
      await service.kill();
      fs.rmSync(frameFolder, { recursive: true, force: true });
    },
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
      for (const { driver, service } of open) {
        await driver.quit().catch(() => {});
        await service.kill();
      }
      open.clear();
    },
  };
}
