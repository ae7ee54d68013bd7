-- Tables of a model database. Each "<name>.sql" beside this file is built
-- into "<name>_settings.db3" beside the program, after this schema.
create table splash (
  key integer primary key,
  title text not null          -- the model key as the device reports it
);
create table controller (
  key integer primary key,
  name text not null,          -- a hardware version as the device reports it
  splash_key integer not null references splash(key)
);
create table software (
  key integer primary key,     -- firmware lists are ordered by it, newest first
  version text,
  bootloader blob,             -- the enciphered firmware container
  bootloader_version text,     -- the firmware version name
  controller_key integer not null references controller(key)
);
create table dbversion (
  name text not null           -- the database's version
);
