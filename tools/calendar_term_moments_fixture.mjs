// Writes the moment (UTC+8, to the second) of every solar term that begins a solar month (节),
// from the 大雪 of 1948 to that of 2049, as an independent calendar library computes it, as a
// fixture for the calendar's tests. Run once, by hand:
//
//   npm install --prefix /tmp/ljs lunar-javascript
//   NODE_PATH=/tmp/ljs/node_modules node tools/calendar_term_moments_fixture.mjs \
//       > calendar/tests/data/solar_term_moments.tsv
//
// The library stays outside the repository; only the facts it yields are kept.

import { createRequire } from "node:module";

const require = createRequire(import.meta.url);
const { Solar } = require("lunar-javascript");

// The terms in the calendar's numbering within a solar year: 1 小寒, 3 立春 … 23 大雪.
const Jie = ["小寒", "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪"];

console.log("# Moments of the 节 from 1948's 大雪 to 2049's, UTC+8.");
console.log("# moment\tyear\tterm (1 小寒, 3 立春 … 23 大雪)\tname");
for (let year = 1948; year <= 2049; ++year) {
    // The lunar year around June holds every term of its solar year, from 小寒 to 大雪.
    const table = Solar.fromYmd(year, 6, 1).getLunar().getJieQiTable();
    Jie.forEach((name, i) => {
        const moment = table[name];
        if (moment.getYear() !== year) {
            throw new Error(`${name} of ${year} falls in ${moment.getYear()}`);
        }
        if (year === 1948 && name !== "大雪") {
            return;
        }
        console.log(`${moment.toYmdHms()}\t${year}\t${2 * i + 1}\t${name}`);
    });
}
