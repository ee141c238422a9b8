PRAGMA foreign_keys=OFF;
BEGIN TRANSACTION;
CREATE TABLE fruit(name text, count int);
INSERT INTO fruit VALUES('pear',3);
COMMIT;
