// Writes the first day of every lunar month from 1901 to 2100 as an independent calendar
// library computes it, as a fixture for the calendar's tests. Run once, by hand:
//
//   npm install --prefix /tmp/calfixture lunar-javascript
//   NODE_PATH=/tmp/calfixture/node_modules node tools/calendar_month_starts_fixture.mjs \
//       > calendar/tests/data/lunar_month_starts.tsv
//
// The library stays outside the repository; only the facts it yields are kept.

import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { Solar } = require("lunar-javascript");

const pad = (n, width) => String(n).padStart(width, "0");

console.log("# First days of the lunar months 1901-01-01 … 2100-12-31.");
console.log("# solar date\tlunar year\tmonth\tleap (1 when the month is the leap month)");
let day = Solar.fromYmd(1901, 1, 1);
while (day.getYear() <= 2100) {
    const lunar = day.getLunar();
    if (lunar.getDay() === 1) {
        const month = lunar.getMonth();
        const date = `${day.getYear()}-${pad(day.getMonth(), 2)}-${pad(day.getDay(), 2)}`;
        console.log(`${date}\t${lunar.getYear()}\t${Math.abs(month)}\t${month < 0 ? 1 : 0}`);
    }
    day = day.next(1);
}
