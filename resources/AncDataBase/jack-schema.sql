-- Jack database: one row per hydraulic jack with its calibration table, pair k
-- being gauge pressure Aturyoku<k> (MPa) and jack output Syuturyoku<k> (kN).
-- Only the calibration pairs enter any calculation; the remark values may be
-- left empty. Jack names compare without regard to letter case, as they were
-- matched by the database engine of the earlier releases.

CREATE TABLE JakkiTBL (
    J_No INTEGER NOT NULL,                   -- position in the list, 1 .. n without gaps
    Jakki_Name TEXT NOT NULL COLLATE NOCASE, -- the key by which jacks are matched
    Nouryoku REAL,                           -- capacity, kN (remark; empty when not given)
    Aturyoku REAL,                           -- working pressure, MPa (remark)
    Menseki REAL,                            -- ram area, cm2 (remark)
    Strok REAL,                              -- stroke, mm (remark)
    DataNum INTEGER NOT NULL DEFAULT 1,      -- calibration pairs plus one
    Syuturyoku1 REAL NOT NULL DEFAULT 0,
    Syuturyoku2 REAL NOT NULL DEFAULT 0,
    Syuturyoku3 REAL NOT NULL DEFAULT 0,
    Syuturyoku4 REAL NOT NULL DEFAULT 0,
    Syuturyoku5 REAL NOT NULL DEFAULT 0,
    Syuturyoku6 REAL NOT NULL DEFAULT 0,
    Syuturyoku7 REAL NOT NULL DEFAULT 0,
    Syuturyoku8 REAL NOT NULL DEFAULT 0,
    Syuturyoku9 REAL NOT NULL DEFAULT 0,
    Syuturyoku10 REAL NOT NULL DEFAULT 0,
    Syuturyoku11 REAL NOT NULL DEFAULT 0,
    Syuturyoku12 REAL NOT NULL DEFAULT 0,
    Syuturyoku13 REAL NOT NULL DEFAULT 0,
    Syuturyoku14 REAL NOT NULL DEFAULT 0,
    Syuturyoku15 REAL NOT NULL DEFAULT 0,
    Syuturyoku16 REAL NOT NULL DEFAULT 0,
    Syuturyoku17 REAL NOT NULL DEFAULT 0,
    Syuturyoku18 REAL NOT NULL DEFAULT 0,
    Syuturyoku19 REAL NOT NULL DEFAULT 0,
    Syuturyoku20 REAL NOT NULL DEFAULT 0,
    Aturyoku1 REAL NOT NULL DEFAULT 0,
    Aturyoku2 REAL NOT NULL DEFAULT 0,
    Aturyoku3 REAL NOT NULL DEFAULT 0,
    Aturyoku4 REAL NOT NULL DEFAULT 0,
    Aturyoku5 REAL NOT NULL DEFAULT 0,
    Aturyoku6 REAL NOT NULL DEFAULT 0,
    Aturyoku7 REAL NOT NULL DEFAULT 0,
    Aturyoku8 REAL NOT NULL DEFAULT 0,
    Aturyoku9 REAL NOT NULL DEFAULT 0,
    Aturyoku10 REAL NOT NULL DEFAULT 0,
    Aturyoku11 REAL NOT NULL DEFAULT 0,
    Aturyoku12 REAL NOT NULL DEFAULT 0,
    Aturyoku13 REAL NOT NULL DEFAULT 0,
    Aturyoku14 REAL NOT NULL DEFAULT 0,
    Aturyoku15 REAL NOT NULL DEFAULT 0,
    Aturyoku16 REAL NOT NULL DEFAULT 0,
    Aturyoku17 REAL NOT NULL DEFAULT 0,
    Aturyoku18 REAL NOT NULL DEFAULT 0,
    Aturyoku19 REAL NOT NULL DEFAULT 0,
    Aturyoku20 REAL NOT NULL DEFAULT 0
);
