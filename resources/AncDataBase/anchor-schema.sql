-- Anchor-product database: the anchor methods (ComboTBL) and the designations of
-- each method (AnchorTBL), with the working copies the method editor changes
-- until the user saves (BackComboTBL, BackAnchorTBL). The working copies must
-- keep exactly the columns and column order of their tables, because they are
-- filled and written back with "insert into ... select *".
-- Method names compare without regard to letter case, as the names were matched
-- by the database engine of the earlier releases.

CREATE TABLE ComboTBL (
    ANC_NAME TEXT NOT NULL COLLATE NOCASE,
    ANC_TYPE INTEGER NOT NULL,               -- anchor type 0 .. 5
    Anc_TypeSyousai INTEGER NOT NULL DEFAULT 0,  -- type detail
    Kintyou_Type INTEGER NOT NULL DEFAULT 0      -- tensioning type, 1 = differential pulling head
);

CREATE TABLE BackComboTBL (
    ANC_NAME TEXT NOT NULL COLLATE NOCASE,
    ANC_TYPE INTEGER NOT NULL,
    Anc_TypeSyousai INTEGER NOT NULL DEFAULT 0,
    Kintyou_Type INTEGER NOT NULL DEFAULT 0
);

-- Loads in kN, lengths in mm, area in mm2 (per strand for load-distribution
-- methods), modulus in kN/mm2. Columns an anchor type does not use hold 0.
CREATE TABLE AnchorTBL (
    ANC_NAME TEXT NOT NULL COLLATE NOCASE,
    ANC_TYPE INTEGER NOT NULL,
    Yobina TEXT NOT NULL DEFAULT '',         -- designation
    Hippari REAL NOT NULL DEFAULT 0,         -- tensile load Tus
    Koufuku REAL NOT NULL DEFAULT 0,         -- yield load Tys
    Danmenseki REAL NOT NULL DEFAULT 0,      -- sectional area
    Danseikeisuu REAL NOT NULL DEFAULT 0,    -- tendon elastic modulus
    Sakukoukei REAL NOT NULL DEFAULT 0,      -- bore diameter, reference value
    UeMansyon REAL NOT NULL DEFAULT 0,       -- upper sleeve length, types 1 and 2
    ShitaMansyon REAL NOT NULL DEFAULT 0,    -- lower sleeve length, type 2
    MikakeSyuutyou REAL NOT NULL DEFAULT 0,  -- apparent perimeter, types 0 to 2
    KTB_Taikatai INTEGER NOT NULL DEFAULT 0, -- number of load-bearing bodies, type 3
    Taikatai1 INTEGER NOT NULL DEFAULT 0,    -- strand sets of body 1 .. 5, type 3
    Taikatai2 INTEGER NOT NULL DEFAULT 0,
    Taikatai3 INTEGER NOT NULL DEFAULT 0,
    Taikatai4 INTEGER NOT NULL DEFAULT 0,
    Taikatai5 INTEGER NOT NULL DEFAULT 0,
    KousenNum INTEGER NOT NULL DEFAULT 0     -- total number of strand sets, type 3
);

CREATE TABLE BackAnchorTBL (
    ANC_NAME TEXT NOT NULL COLLATE NOCASE,
    ANC_TYPE INTEGER NOT NULL,
    Yobina TEXT NOT NULL DEFAULT '',
    Hippari REAL NOT NULL DEFAULT 0,
    Koufuku REAL NOT NULL DEFAULT 0,
    Danmenseki REAL NOT NULL DEFAULT 0,
    Danseikeisuu REAL NOT NULL DEFAULT 0,
    Sakukoukei REAL NOT NULL DEFAULT 0,
    UeMansyon REAL NOT NULL DEFAULT 0,
    ShitaMansyon REAL NOT NULL DEFAULT 0,
    MikakeSyuutyou REAL NOT NULL DEFAULT 0,
    KTB_Taikatai INTEGER NOT NULL DEFAULT 0,
    Taikatai1 INTEGER NOT NULL DEFAULT 0,
    Taikatai2 INTEGER NOT NULL DEFAULT 0,
    Taikatai3 INTEGER NOT NULL DEFAULT 0,
    Taikatai4 INTEGER NOT NULL DEFAULT 0,
    Taikatai5 INTEGER NOT NULL DEFAULT 0,
    KousenNum INTEGER NOT NULL DEFAULT 0
);

CREATE INDEX AnchorTBL_Method ON AnchorTBL (ANC_NAME, ANC_TYPE);

-- Strand sets of the bodies of every load-distribution designation, with the
-- type detail and tensioning type of its method.
CREATE VIEW BunsanTaikatai AS
SELECT a.ANC_NAME AS anc_name, a.Yobina AS Yobina,
       a.Taikatai1 AS taikatai1, a.Taikatai2 AS taikatai2, a.Taikatai3 AS taikatai3,
       a.Taikatai4 AS taikatai4, a.Taikatai5 AS taikatai5, a.KousenNum AS kousennum,
       c.Anc_TypeSyousai AS Anc_TypeSyousai, c.Kintyou_Type AS Kintyou_type
FROM AnchorTBL a
JOIN ComboTBL c ON c.ANC_NAME = a.ANC_NAME AND c.ANC_TYPE = a.ANC_TYPE
WHERE a.ANC_TYPE = 3;
