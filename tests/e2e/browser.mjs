// Starts the browser the checks run in, chosen by TRELLIS_E2E_ENGINE: Debian's headless Chromium
// (the default, driven by playwright-core), Firefox ESR or WebKitGTK (each through a thin driver
// that gives the scenarios the same page interface), cut off from every outside service.
import { chromium } from 'playwright-core';

export const ENGINE = process.env.TRELLIS_E2E_ENGINE ?? 'chromium';
export const ENGINE_NAMES = { chromium: 'Chromium', firefox: 'Firefox ESR', webkit: 'WebKitGTK' };
// Whether the engine's touch pages are a real emulation (a touch screen without hover) or WebKitGTK's stand-in.
export const EMULATES_TOUCH = ENGINE !== 'webkit';

export const CHROMIUM = '/usr/bin/chromium';

// The machine has no network: without these switches Chromium keeps trying to reach update,
// sync and QUIC services and the first page load stalls on them.
const QUIET_ARGS = [
  '--headless',
  '--no-sandbox', // the tests run as root
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Launches one Chromium for all checks. Its first context has a mouse; touchContext() makes a
// phone-like one (a touch screen without hover, laid out at the device's width). Each context
// keeps its own temporary profile; close() ends the browser and removes them.
export async function launchBrowser(size = {}) {
  if (ENGINE === 'firefox') return (await import('./engine_firefox.mjs')).launchFirefox(size);
  if (ENGINE === 'webkit') return (await import('./engine_webkit.mjs')).launchWebKit(size);
  if (ENGINE !== 'chromium') throw new Error(`TRELLIS_E2E_ENGINE=${ENGINE}: not chromium, firefox or webkit`);
  return launchChromium(size);
}

async function launchChromium({ width = 1280, height = 900 } = {}) {
  const browser = await chromium.launch({ executablePath: CHROMIUM, headless: true, args: QUIET_ARGS });
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: 1 });
  return {
    engine: 'chromium',
    context,
    touchContext({ width: touchWidth = 375, height: touchHeight = 740 } = {}) {
      return browser.newContext({
        viewport: { width: touchWidth, height: touchHeight },
        deviceScaleFactor: 1,
        hasTouch: true,
        isMobile: true,
      });
    },
    async close() {
      await browser.close();
    },
  };
}
