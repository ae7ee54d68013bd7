-- Demo model of the large car family. Invented data; the
-- firmware containers (null here) are filled with demo images by the build.
-- The demo hardware version begins with "DEMO-", which no real controller
-- reports.
insert into dbversion values ('2026.12.01');

insert into splash values (1, 'CAR_ESC');
insert into controller values (10, 'DEMO-VL450SD', 1);

insert into software values (101, '3.0', null, 'CAR_3.0', 10);
insert into software values (102, '3.1', null, 'CAR_3.1', 10);
insert into software values (103, '3.2', null, 'CAR_3.2', 10);
