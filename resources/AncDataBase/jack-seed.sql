-- Hydraulic jacks as shipped, numbered 1 .. n without gaps. Jacks 33-40 and
-- 42-47 carry the names of the older releases, which the start-up upgrade
-- renames. Each calibration table pairs gauge pressure (MPa, ascending) with
-- the jack output measured on a load cell (kN, ascending), listed pair by pair;
-- DataNum is the number of pairs plus one, unused pairs stay 0.

INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (1, 'TJ200-01', 200, 50, 40, 150, 11,
    5, 19.1, 10, 38.3, 15, 57.9, 20, 77.1, 25, 97, 30, 116.6, 35, 136.1, 40, 156.6, 45, 176.1, 50, 196.9);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (2, 'TJ200-02', 200, 50, 40, 150, 10,
    5.6, 21.4, 11.1, 42.6, 16.7, 64.4, 22.2, 86.2, 27.8, 107.7, 33.3, 129.6, 38.9, 152.4, 44.4, 175, 50, 197.1);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (3, 'TJ200-03', 200, 50, 40, 150, 9,
    6.2, 23.8, 12.5, 48.3, 18.8, 72.4, 25, 97.3, 31.2, 121.3, 37.5, 146.2, 43.8, 171.4, 50, 196.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (4, 'TJ200-04', 200, 50, 40, 150, 8,
    7.1, 27.3, 14.3, 55, 21.4, 82.9, 28.6, 111.3, 35.7, 139.3, 42.9, 168.4, 50, 196.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (5, 'TJ300-01', 300, 50, 60, 150, 7,
    8.3, 47.6, 16.7, 96.5, 25, 145.7, 33.3, 194.7, 41.7, 244.8, 50, 295.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (6, 'TJ300-02', 300, 50, 60, 150, 6,
    10, 57.6, 20, 115.8, 30, 175.6, 40, 235.3, 50, 294.9);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (7, 'TJ300-03', 300, 50, 60, 150, 11,
    5, 28.8, 10, 57.7, 15, 87, 20, 116.3, 25, 145.2, 30, 175.8, 35, 204.3, 40, 234.8, 45, 265.7, 50, 294.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (8, 'TJ300-04', 300, 50, 60, 150, 10,
    5.6, 32.2, 11.1, 63.8, 16.7, 96.8, 22.2, 129.3, 27.8, 162.2, 33.3, 195.4, 38.9, 228, 44.4, 261.9, 50, 295.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (9, 'TJ500-01', 500, 50, 100, 200, 9,
    6.2, 59.5, 12.5, 120.3, 18.8, 182.2, 25, 243.4, 31.2, 303.7, 37.5, 367.1, 43.8, 428.3, 50, 493.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (10, 'TJ500-02', 500, 50, 100, 200, 8,
    7.1, 68.2, 14.3, 138.4, 21.4, 207.7, 28.6, 277.5, 35.7, 348.3, 42.9, 421.3, 50, 490.6);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (11, 'TJ500-03', 500, 50, 100, 200, 7,
    8.3, 79.7, 16.7, 160.7, 25, 241.7, 33.3, 323.5, 41.7, 409.6, 50, 491);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (12, 'TJ500-04', 500, 50, 100, 200, 6,
    10, 95.9, 20, 193.2, 30, 292.8, 40, 390.3, 50, 492.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (13, 'TJ750-01', 750, 60, 125, 200, 11,
    6, 71.9, 12, 144.6, 18, 217.5, 24, 291, 30, 363.1, 36, 437.5, 42, 511.8, 48, 589.2, 54, 665.3, 60, 736.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (14, 'TJ750-02', 750, 60, 125, 200, 10,
    6.7, 80, 13.3, 159.5, 20, 240.7, 26.7, 323.1, 33.3, 404.7, 40, 486.6, 46.7, 568.8, 53.3, 653.6, 60, 738);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (15, 'TJ750-03', 750, 60, 125, 200, 9,
    7.5, 89.9, 15, 181.1, 22.5, 272.2, 30, 363.8, 37.5, 456.9, 45, 550.6, 52.5, 641.6, 60, 741.1);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (16, 'TJ750-04', 750, 60, 125, 200, 8,
    8.6, 103.4, 17.1, 206.6, 25.7, 311.7, 34.3, 416.4, 42.9, 523.2, 51.4, 628.1, 60, 739.6);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (17, 'TJ1000-01', 1000, 60, 166.7, 200, 7,
    10, 159.4, 20, 320.6, 30, 483.9, 40, 648.3, 50, 815.8, 60, 981.6);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (18, 'TJ1000-02', 1000, 60, 166.7, 200, 6,
    12, 191.4, 24, 385.8, 36, 582, 48, 782.5, 60, 981.4);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (19, 'TJ1000-03', 1000, 60, 166.7, 200, 11,
    6, 96.1, 12, 192.4, 18, 288.4, 24, 386.1, 30, 484.5, 36, 583.3, 42, 681.2, 48, 785.6, 54, 887.5, 60, 984.9);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (20, 'TJ1000-04', 1000, 60, 166.7, 200, 10,
    6.7, 107, 13.3, 212.5, 20, 320.7, 26.7, 430.4, 33.3, 538.3, 40, 651.9, 46.7, 759.5, 53.3, 868.8, 60, 988.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (21, 'TJ1500-01', 1500, 60, 250, 250, 9,
    7.5, 179.8, 15, 359.9, 22.5, 543.7, 30, 724.7, 37.5, 913.1, 45, 1104, 52.5, 1291.7, 60, 1479.9);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (22, 'TJ1500-02', 1500, 60, 250, 250, 8,
    8.6, 205.8, 17.1, 411.5, 25.7, 620.1, 34.3, 835.5, 42.9, 1047.5, 51.4, 1263.1, 60, 1475.5);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (23, 'TJ1500-03', 1500, 60, 250, 250, 7,
    10, 239.4, 20, 483.7, 30, 730.4, 40, 977.8, 50, 1228.1, 60, 1481.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (24, 'TJ1500-04', 1500, 60, 250, 250, 6,
    12, 288.9, 24, 578.9, 36, 875.8, 48, 1173.4, 60, 1471.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (25, 'TJ2000-01', 2000, 60, 333.3, 250, 11,
    6, 190.8, 12, 383.7, 18, 577.2, 24, 774.8, 30, 973.6, 36, 1167, 42, 1371.2, 48, 1572.5, 54, 1774, 60, 1967.6);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (26, 'TJ2000-02', 2000, 60, 333.3, 250, 10,
    6.7, 213.5, 13.3, 425.3, 20, 641.7, 26.7, 859.6, 33.3, 1079.5, 40, 1304.1, 46.7, 1527.1, 53.3, 1743.6, 60, 1972.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (27, 'TJ2000-03', 2000, 60, 333.3, 250, 9,
    7.5, 240.3, 15, 479.5, 22.5, 725.6, 30, 973.2, 37.5, 1219.9, 45, 1469.1, 52.5, 1716.7, 60, 1964.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (28, 'TJ2000-04', 2000, 60, 333.3, 250, 8,
    8.6, 275.6, 17.1, 548.4, 25.7, 831.1, 34.3, 1115.7, 42.9, 1395, 51.4, 1678.7, 60, 1977);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (29, 'TJ3000-01', 3000, 60, 500, 250, 7,
    10, 480.9, 20, 962.4, 30, 1450.5, 40, 1944.4, 50, 2458.1, 60, 2962.4);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (30, 'TJ3000-02', 3000, 60, 500, 250, 6,
    12, 574.9, 24, 1163.5, 36, 1758.3, 48, 2352.6, 60, 2951.4);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (31, 'TJ3000-03', 3000, 60, 500, 250, 11,
    6, 287.5, 12, 574.8, 18, 864.1, 24, 1164.9, 30, 1456.8, 36, 1751.8, 42, 2056.9, 48, 2348.3, 54, 2659.4, 60, 2962.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (32, 'TJ3000-04', 3000, 60, 500, 250, 10,
    6.7, 320.3, 13.3, 638.2, 20, 963.3, 26.7, 1290, 33.3, 1618.9, 40, 1946.1, 46.7, 2282.9, 53.3, 2608.2, 60, 2964.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (33, 'SSL60-180', 600, 70, 85.7, 180, 9,
    8.8, 72.2, 17.5, 144.3, 26.2, 217.1, 35, 291.9, 43.8, 365.3, 52.5, 441.3, 61.2, 514.6, 70, 591.1);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (34, 'SSL60-300', 600, 70, 85.7, 300, 8,
    10, 82.2, 20, 164.5, 30, 248.7, 40, 332.4, 50, 416.7, 60, 505.5, 70, 589.3);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (35, 'SSL100-180', 1000, 70, 142.9, 180, 7,
    11.7, 160.5, 23.3, 321.9, 35, 485.4, 46.7, 649.7, 58.3, 816.6, 70, 985.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (36, 'SSL100-300', 1000, 70, 142.9, 300, 6,
    14, 192.7, 28, 385.7, 42, 584.3, 56, 781.8, 70, 983.5);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (37, 'SSL100-400', 1000, 70, 142.9, 400, 11,
    7, 96, 14, 192.3, 21, 289.4, 28, 387.7, 35, 486.8, 42, 583.7, 49, 684, 56, 783.5, 63, 884.2, 70, 986.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (38, 'SSL160-200', 1600, 70, 228.6, 200, 10,
    7.8, 170.8, 15.6, 343, 23.3, 513.9, 31.1, 690.9, 38.9, 865.5, 46.7, 1044.1, 54.4, 1221, 62.2, 1393.1, 70, 1577);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (39, 'SSL160-350', 1600, 70, 228.6, 350, 9,
    8.8, 193.6, 17.5, 386.1, 26.2, 577, 35, 773.7, 43.8, 974.5, 52.5, 1169, 61.2, 1369.9, 70, 1570.7);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (40, 'SSL160-500', 1600, 70, 228.6, 500, 8,
    10, 219.6, 20, 441.6, 30, 665.9, 40, 886.4, 50, 1118, 60, 1346.9, 70, 1571.6);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (41, 'MS-250', 250, 50, 50, 200, 7,
    8.3, 40, 16.7, 80.9, 25, 121, 33.3, 162.9, 41.7, 204.2, 50, 246.2);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5)
VALUES (42, 'SLF-J30', 300, 60, 50, 150, 6,
    12, 57.9, 24, 116.4, 36, 174.7, 48, 234.8, 60, 295.5);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9, Aturyoku10, Syuturyoku10)
VALUES (43, 'SLF-FA50', 500, 60, 83.3, 200, 11,
    6, 47.8, 12, 95.8, 18, 144.3, 24, 193.7, 30, 241.4, 36, 291.9, 42, 341.3, 48, 389.9, 54, 441.1, 60, 492.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8, Aturyoku9, Syuturyoku9)
VALUES (44, 'SLF-FA75', 750, 60, 125, 200, 10,
    6.7, 80.3, 13.3, 159.3, 20, 242.2, 26.7, 324, 33.3, 406, 40, 485.9, 46.7, 570, 53.3, 651.6, 60, 740.4);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7, Aturyoku8, Syuturyoku8)
VALUES (45, 'SLF-DW110', 1100, 60, 183.3, 250, 9,
    7.5, 131.6, 15, 263.8, 22.5, 398.2, 30, 535.2, 37.5, 671.1, 45, 804.7, 52.5, 941.6, 60, 1087);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6, Aturyoku7, Syuturyoku7)
VALUES (46, 'SLF-DW180', 1800, 60, 300, 250, 8,
    8.6, 247.6, 17.1, 495.1, 25.7, 743.7, 34.3, 996.7, 42.9, 1258.6, 51.4, 1511.3, 60, 1766.8);
INSERT INTO JakkiTBL (J_No, Jakki_Name, Nouryoku, Aturyoku, Menseki, Strok, DataNum,
    Aturyoku1, Syuturyoku1, Aturyoku2, Syuturyoku2, Aturyoku3, Syuturyoku3, Aturyoku4, Syuturyoku4, Aturyoku5, Syuturyoku5, Aturyoku6, Syuturyoku6)
VALUES (47, 'SLF-DW260', 2600, 60, 433.3, 250, 7,
    10, 417.5, 20, 837.2, 30, 1264, 40, 1684.1, 50, 2129.3, 60, 2551.8);
