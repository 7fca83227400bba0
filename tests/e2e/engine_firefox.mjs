// Firefox ESR driven by puppeteer-core over WebDriver BiDi. The pointer a context stands for is set
// in the profile: a mouse (fine, with hover) or a touch screen (coarse, no hover, touch events).
import puppeteer from 'puppeteer-core';

import { EnginePage } from './engine_page.mjs';

export const FIREFOX = '/usr/bin/firefox-esr';

// Firefox's pointer capability bits: coarse 1, fine 2, hover 4.
const MOUSE_PREFS = { 'ui.primaryPointerCapabilities': 6, 'ui.allPointerCapabilities': 6 };
const TOUCH_PREFS = {
  'ui.primaryPointerCapabilities': 1,
  'ui.allPointerCapabilities': 1,
  'dom.w3c_touch_events.enabled': 1,
  // Scrollbars float over the page, as on phones, instead of taking its width.
  'ui.useOverlayScrollbars': 1,
};
// No network here: nothing may wait on update, telemetry or recommendation services.
const QUIET_PREFS = {
  'app.update.disabledForTesting': true,
  'browser.shell.checkDefaultBrowser': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
};

async function launch(prefs) {
  return puppeteer.launch({
    browser: 'firefox',
    executablePath: FIREFOX,
    headless: true,
    extraPrefsFirefox: { ...QUIET_PREFS, ...prefs },
  });
}

function driverFor(page, touch) {
  return {
    engine: { name: 'firefox', emulatesTouch: true },
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    setViewport: (width, height) => page.setViewport({ width, height, hasTouch: touch }),
    goto: (url) => page.goto(url, { waitUntil: 'load' }),
    screenshot: (path) => page.screenshot({ path }),
    mouseMove: (x, y) => page.mouse.move(x, y),
    mouseClick: (x, y) => page.mouse.click(x, y),
    keyPress: (key) => page.keyboard.press(key),
    tap: (x, y) => page.touchscreen.tap(x, y),
    close: () => page.close(),
  };
}

function contextOf(browser, { width, height }, touch) {
  return {
    async newPage() {
      const page = await browser.newPage();
      const wrapped = new EnginePage(driverFor(page, touch), { width, height });
      await wrapped.setViewportSize({ width, height });
      return wrapped;
    },
  };
}

export async function launchFirefox({ width = 1280, height = 900 } = {}) {
  const mouse = await launch(MOUSE_PREFS);
  const touchBrowsers = [];
  return {
    engine: 'firefox',
    context: contextOf(mouse, { width, height }, false),
    async touchContext({ width: touchWidth = 375, height: touchHeight = 740 } = {}) {
      const browser = await launch(TOUCH_PREFS);
      touchBrowsers.push(browser);
      return contextOf(browser, { width: touchWidth, height: touchHeight }, true);
    },
    async close() {
      await Promise.all([mouse, ...touchBrowsers].map((browser) => browser.close()));
    },
  };
}
