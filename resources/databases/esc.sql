-- Demo models: airplane, Ardent and general families, and an airplane ESC of
-- the general family's layout. Invented data; the firmware containers (null
-- here) are filled with demo images by the build.
-- Demo hardware versions begin with "DEMO-", which no real controller
-- reports, so no real device is ever offered these images.
insert into dbversion values ('2026.12.01');

insert into splash values (1, 'AIRPLANE');
insert into splash values (2, 'Ardent_V4');
insert into splash values (3, 'ESC_G60');
insert into splash values (4, 'AIRPLANE_ESC');

insert into controller values (10, 'DEMO-AP40_V1', 1);
insert into controller values (20, 'DEMO-ARD80_V2', 2);
insert into controller values (30, 'DEMO-G60_HW1', 3);
insert into controller values (40, 'DEMO-AP60_V1', 4);

insert into software values (101, '1.0.0', null, 'AP_1.0.0', 10);
insert into software values (102, '1.1.0', null, 'AP_1.1.0', 10);
insert into software values (103, '1.2.0', null, 'AP_1.2.0@', 10);
insert into software values (104, '2.0.0', null, 'AP_2.0.0', 10);

insert into software values (201, '4.0', null, 'ARD_4.0', 20);
insert into software values (202, '4.1', null, 'ARD_4.1', 20);
insert into software values (203, '4.2 beta', null, 'ARD_4.2$', 20);

insert into software values (301, '1.0', null, 'G60_1.0', 30);
insert into software values (302, '1.1', null, 'G60_1.1', 30);

insert into software values (401, '1.0', null, 'APE_1.0', 40);
insert into software values (402, '1.1', null, 'APE_1.1', 40);
