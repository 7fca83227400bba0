// Starts Debian's headless Chromium for the page checks, cut off from every outside service.
import { chromium } from 'playwright-core';

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
export async function launchBrowser({ width = 1280, height = 900 } = {}) {
  const browser = await chromium.launch({ executablePath: CHROMIUM, headless: true, args: QUIET_ARGS });
  const context = await browser.newContext({ viewport: { width, height }, deviceScaleFactor: 1 });
  return {
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
