-- The profile catalogue that Klevar reads as ct.s3db: the build turns this file into the
-- database, so every change to the catalogue is a reviewable diff.
--
-- bigclass: one row per class (a device or format family); the picture numbered ID in the
--   class pictures is its picture, so IDs run from 1 to 29.
-- type: one row per output type; typename ends with its file pattern, as in "(*.mp4)",
--   within its last nine characters, and holds no other period (the output file's
--   extension is read from the chooser's text).
-- videocodec ... samplerate: the choices of one option for one type, in ascending
--   "orders"; the first is the type's default. Values are those the encoder command
--   line understands: the codec names of its tables, "Original" (leave the option to
--   the encoder) and "N/A" (the option does not apply). Bitrates are in kilobits per
--   second, sample rates in hertz, sizes as width x height, frame rates in frames per
--   second; all stored as text so that "29.97" stays as written.
--
-- Audio-only types have "N/A" for every video option and a container without video
-- (mp3, aac, oga, mka, ac3, mp2, flac, caf, wav, aiff, au, opus), so the output holds no
-- video stream. H263 types use only the sizes that codec allows (128x96, 176x144, 352x288,
-- 704x576, 1408x1152) and containers that take it (avi, mov). Opus takes only 48000,
-- 24000, 16000, 12000 and 8000 Hz, so a type that offers it offers no other sample rate.
-- "x265 hvc1" is HEVC marked the way Apple's players require; MP4 and MOV types use it.

CREATE TABLE bigclass (
    ID INTEGER PRIMARY KEY,
    class TEXT NOT NULL
);

CREATE TABLE type (
    ID INTEGER PRIMARY KEY CHECK (ID BETWEEN 1 AND 9999),
    classid INTEGER NOT NULL REFERENCES bigclass (ID),
    typename TEXT NOT NULL
);

CREATE TABLE videocodec (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    videocodec TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE videosize (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    videosize TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE videobitrate (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    videobitrate TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE framerate (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    framerate TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE audiocodec (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    audiocodec TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE audiobitrate (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    audiobitrate TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);

CREATE TABLE samplerate (
    typeid INTEGER NOT NULL REFERENCES type (ID),
    orders INTEGER NOT NULL,
    samplerate TEXT NOT NULL,
    PRIMARY KEY (typeid, orders)
);
BEGIN TRANSACTION;

-- Classes: the picture numbered ID is the class's picture.
INSERT INTO bigclass (ID, class) VALUES
    (1, 'General Video'),
    (2, 'HD Video'),
    (3, 'Web Video'),
    (4, 'Video Sharing Sites'),
    (5, 'DVD and VCD'),
    (6, 'Lossless and Editing'),
    (7, 'Animated Pictures'),
    (8, 'Windows Media'),
    (9, 'QuickTime and Apple Formats'),
    (10, 'Mobile Phones (3GP)'),
    (11, 'iPhone'),
    (12, 'Android Phones'),
    (13, 'Other Smartphones'),
    (14, 'iPad'),
    (15, 'Android Tablets'),
    (16, 'Kindle and Other Tablets'),
    (17, 'iPod'),
    (18, 'Portable Media Players'),
    (19, 'Sony PSP and PS Vita'),
    (20, 'PlayStation'),
    (21, 'Xbox'),
    (22, 'Nintendo'),
    (23, 'Samsung TV'),
    (24, 'LG TV'),
    (25, 'Sony TV'),
    (26, 'Other TVs'),
    (27, 'Media Streamers'),
    (28, 'Audio'),
    (29, 'Lossless Audio');

-- 1. General Video

INSERT INTO type (ID, classid, typename) VALUES (1, 1, 'AVI - XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (1, 1, 'xvid'), (1, 2, 'mpeg4'), (1, 3, 'msmpeg4'), (1, 4, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (1, 1, 'Original'), (1, 2, '640x480'), (1, 3, '320x240'), (1, 4, '720x480'), (1, 5, '720x576'), (1, 6, '800x600'), (1, 7, '1024x768'), (1, 8, '1280x720'), (1, 9, '1920x1080'), (1, 10, '480x360'), (1, 11, '352x288'), (1, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (1, 1, '1500'), (1, 2, '800'), (1, 3, '1000'), (1, 4, '1200'), (1, 5, '2000'), (1, 6, '2500'), (1, 7, '3000'), (1, 8, '4000'), (1, 9, '600'), (1, 10, '400'), (1, 11, '256'), (1, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (1, 1, 'Original'), (1, 2, '25'), (1, 3, '29.97'), (1, 4, '30'), (1, 5, '23.976'), (1, 6, '24'), (1, 7, '15'), (1, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (1, 1, 'mp3'), (1, 2, 'ac3'), (1, 3, 'mp2'), (1, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (1, 1, '128'), (1, 2, '160'), (1, 3, '192'), (1, 4, '96'), (1, 5, '256'), (1, 6, '320'), (1, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (1, 1, '44100'), (1, 2, '48000'), (1, 3, '32000'), (1, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (2, 1, 'AVI - MPEG4 Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (2, 1, 'mpeg4'), (2, 2, 'xvid'), (2, 3, 'msmpeg4v2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (2, 1, 'Original'), (2, 2, '640x480'), (2, 3, '320x240'), (2, 4, '720x480'), (2, 5, '720x576'), (2, 6, '800x600'), (2, 7, '1024x768'), (2, 8, '1280x720'), (2, 9, '1920x1080'), (2, 10, '480x360'), (2, 11, '352x288'), (2, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (2, 1, '1500'), (2, 2, '800'), (2, 3, '1000'), (2, 4, '1200'), (2, 5, '2000'), (2, 6, '2500'), (2, 7, '3000'), (2, 8, '4000'), (2, 9, '600'), (2, 10, '400'), (2, 11, '256'), (2, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (2, 1, 'Original'), (2, 2, '25'), (2, 3, '29.97'), (2, 4, '30'), (2, 5, '23.976'), (2, 6, '24'), (2, 7, '15'), (2, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (2, 1, 'mp3'), (2, 2, 'ac3'), (2, 3, 'mp2'), (2, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (2, 1, '128'), (2, 2, '160'), (2, 3, '192'), (2, 4, '96'), (2, 5, '256'), (2, 6, '320'), (2, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (2, 1, '44100'), (2, 2, '48000'), (2, 3, '32000'), (2, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (3, 1, 'AVI - H264 Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (3, 1, 'x264'), (3, 2, 'xvid'), (3, 3, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (3, 1, 'Original'), (3, 2, '640x480'), (3, 3, '320x240'), (3, 4, '720x480'), (3, 5, '720x576'), (3, 6, '800x600'), (3, 7, '1024x768'), (3, 8, '1280x720'), (3, 9, '1920x1080'), (3, 10, '480x360'), (3, 11, '352x288'), (3, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (3, 1, '1500'), (3, 2, '800'), (3, 3, '1000'), (3, 4, '1200'), (3, 5, '2000'), (3, 6, '2500'), (3, 7, '3000'), (3, 8, '4000'), (3, 9, '600'), (3, 10, '400'), (3, 11, '256'), (3, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (3, 1, 'Original'), (3, 2, '25'), (3, 3, '29.97'), (3, 4, '30'), (3, 5, '23.976'), (3, 6, '24'), (3, 7, '15'), (3, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (3, 1, 'mp3'), (3, 2, 'ac3'), (3, 3, 'mp2'), (3, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (3, 1, '128'), (3, 2, '160'), (3, 3, '192'), (3, 4, '96'), (3, 5, '256'), (3, 6, '320'), (3, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (3, 1, '44100'), (3, 2, '48000'), (3, 3, '32000'), (3, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (4, 1, 'AVI - DivX 3 Compatible Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (4, 1, 'msmpeg4'), (4, 2, 'msmpeg4v2'), (4, 3, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (4, 1, 'Original'), (4, 2, '640x480'), (4, 3, '320x240'), (4, 4, '720x480'), (4, 5, '720x576'), (4, 6, '800x600'), (4, 7, '1024x768'), (4, 8, '1280x720'), (4, 9, '1920x1080'), (4, 10, '480x360'), (4, 11, '352x288'), (4, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (4, 1, '1500'), (4, 2, '800'), (4, 3, '1000'), (4, 4, '1200'), (4, 5, '2000'), (4, 6, '2500'), (4, 7, '3000'), (4, 8, '4000'), (4, 9, '600'), (4, 10, '400'), (4, 11, '256'), (4, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (4, 1, 'Original'), (4, 2, '25'), (4, 3, '29.97'), (4, 4, '30'), (4, 5, '23.976'), (4, 6, '24'), (4, 7, '15'), (4, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (4, 1, 'mp3'), (4, 2, 'ac3'), (4, 3, 'mp2'), (4, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (4, 1, '128'), (4, 2, '160'), (4, 3, '192'), (4, 4, '96'), (4, 5, '256'), (4, 6, '320'), (4, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (4, 1, '44100'), (4, 2, '48000'), (4, 3, '32000'), (4, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (5, 1, 'AVI - H263 Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (5, 1, 'h263'), (5, 2, 'h263p');
INSERT INTO videosize (typeid, orders, videosize) VALUES (5, 1, '176x144'), (5, 2, '352x288'), (5, 3, '128x96'), (5, 4, '704x576'), (5, 5, '1408x1152');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (5, 1, '768'), (5, 2, '384'), (5, 3, '512'), (5, 4, '1024'), (5, 5, '256'), (5, 6, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (5, 1, 'Original'), (5, 2, '25'), (5, 3, '29.97'), (5, 4, '30'), (5, 5, '23.976'), (5, 6, '24'), (5, 7, '15'), (5, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (5, 1, 'mp3'), (5, 2, 'ac3'), (5, 3, 'mp2'), (5, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (5, 1, '128'), (5, 2, '160'), (5, 3, '192'), (5, 4, '96'), (5, 5, '256'), (5, 6, '320'), (5, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (5, 1, '44100'), (5, 2, '48000'), (5, 3, '32000'), (5, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (6, 1, 'MP4 - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (6, 1, 'x264'), (6, 2, 'mpeg4'), (6, 3, 'xvid');
INSERT INTO videosize (typeid, orders, videosize) VALUES (6, 1, 'Original'), (6, 2, '640x480'), (6, 3, '320x240'), (6, 4, '720x480'), (6, 5, '720x576'), (6, 6, '800x600'), (6, 7, '1024x768'), (6, 8, '1280x720'), (6, 9, '1920x1080'), (6, 10, '480x360'), (6, 11, '352x288'), (6, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (6, 1, '1500'), (6, 2, '800'), (6, 3, '1000'), (6, 4, '1200'), (6, 5, '2000'), (6, 6, '2500'), (6, 7, '3000'), (6, 8, '4000'), (6, 9, '600'), (6, 10, '400'), (6, 11, '256'), (6, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (6, 1, 'Original'), (6, 2, '25'), (6, 3, '29.97'), (6, 4, '30'), (6, 5, '23.976'), (6, 6, '24'), (6, 7, '15'), (6, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (6, 1, 'aac'), (6, 2, 'mp3'), (6, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (6, 1, '128'), (6, 2, '96'), (6, 3, '160'), (6, 4, '192'), (6, 5, '256'), (6, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (6, 1, '44100'), (6, 2, '48000'), (6, 3, '32000'), (6, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (7, 1, 'MP4 - MPEG4 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (7, 1, 'mpeg4'), (7, 2, 'xvid'), (7, 3, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (7, 1, 'Original'), (7, 2, '640x480'), (7, 3, '320x240'), (7, 4, '720x480'), (7, 5, '720x576'), (7, 6, '800x600'), (7, 7, '1024x768'), (7, 8, '1280x720'), (7, 9, '1920x1080'), (7, 10, '480x360'), (7, 11, '352x288'), (7, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (7, 1, '1500'), (7, 2, '800'), (7, 3, '1000'), (7, 4, '1200'), (7, 5, '2000'), (7, 6, '2500'), (7, 7, '3000'), (7, 8, '4000'), (7, 9, '600'), (7, 10, '400'), (7, 11, '256'), (7, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (7, 1, 'Original'), (7, 2, '25'), (7, 3, '29.97'), (7, 4, '30'), (7, 5, '23.976'), (7, 6, '24'), (7, 7, '15'), (7, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (7, 1, 'aac'), (7, 2, 'mp3'), (7, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (7, 1, '128'), (7, 2, '96'), (7, 3, '160'), (7, 4, '192'), (7, 5, '256'), (7, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (7, 1, '44100'), (7, 2, '48000'), (7, 3, '32000'), (7, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (8, 1, 'MKV - H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (8, 1, 'x264'), (8, 2, 'mpeg4'), (8, 3, 'xvid'), (8, 4, 'vp8'), (8, 5, 'libtheora');
INSERT INTO videosize (typeid, orders, videosize) VALUES (8, 1, 'Original'), (8, 2, '640x480'), (8, 3, '320x240'), (8, 4, '720x480'), (8, 5, '720x576'), (8, 6, '800x600'), (8, 7, '1024x768'), (8, 8, '1280x720'), (8, 9, '1920x1080'), (8, 10, '480x360'), (8, 11, '352x288'), (8, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (8, 1, '1500'), (8, 2, '800'), (8, 3, '1000'), (8, 4, '1200'), (8, 5, '2000'), (8, 6, '2500'), (8, 7, '3000'), (8, 8, '4000'), (8, 9, '600'), (8, 10, '400'), (8, 11, '256'), (8, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (8, 1, 'Original'), (8, 2, '25'), (8, 3, '29.97'), (8, 4, '30'), (8, 5, '23.976'), (8, 6, '24'), (8, 7, '15'), (8, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (8, 1, 'aac'), (8, 2, 'ac3'), (8, 3, 'mp3'), (8, 4, 'ogg'), (8, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (8, 1, '128'), (8, 2, '96'), (8, 3, '160'), (8, 4, '192'), (8, 5, '256'), (8, 6, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (8, 1, '44100'), (8, 2, '48000'), (8, 3, '32000'), (8, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (9, 1, 'MKV - MPEG4 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (9, 1, 'mpeg4'), (9, 2, 'xvid'), (9, 3, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (9, 1, 'Original'), (9, 2, '640x480'), (9, 3, '320x240'), (9, 4, '720x480'), (9, 5, '720x576'), (9, 6, '800x600'), (9, 7, '1024x768'), (9, 8, '1280x720'), (9, 9, '1920x1080'), (9, 10, '480x360'), (9, 11, '352x288'), (9, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (9, 1, '1500'), (9, 2, '800'), (9, 3, '1000'), (9, 4, '1200'), (9, 5, '2000'), (9, 6, '2500'), (9, 7, '3000'), (9, 8, '4000'), (9, 9, '600'), (9, 10, '400'), (9, 11, '256'), (9, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (9, 1, 'Original'), (9, 2, '25'), (9, 3, '29.97'), (9, 4, '30'), (9, 5, '23.976'), (9, 6, '24'), (9, 7, '15'), (9, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (9, 1, 'aac'), (9, 2, 'ac3'), (9, 3, 'mp3'), (9, 4, 'ogg'), (9, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (9, 1, '128'), (9, 2, '96'), (9, 3, '160'), (9, 4, '192'), (9, 5, '256'), (9, 6, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (9, 1, '44100'), (9, 2, '48000'), (9, 3, '32000'), (9, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (10, 1, 'TS - H264 Transport Stream (*.ts)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (10, 1, 'x264'), (10, 2, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (10, 1, 'Original'), (10, 2, '640x480'), (10, 3, '320x240'), (10, 4, '720x480'), (10, 5, '720x576'), (10, 6, '800x600'), (10, 7, '1024x768'), (10, 8, '1280x720'), (10, 9, '1920x1080'), (10, 10, '480x360'), (10, 11, '352x288'), (10, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (10, 1, '1500'), (10, 2, '800'), (10, 3, '1000'), (10, 4, '1200'), (10, 5, '2000'), (10, 6, '2500'), (10, 7, '3000'), (10, 8, '4000'), (10, 9, '600'), (10, 10, '400'), (10, 11, '256'), (10, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (10, 1, 'Original'), (10, 2, '25'), (10, 3, '29.97'), (10, 4, '30'), (10, 5, '23.976'), (10, 6, '24'), (10, 7, '15'), (10, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (10, 1, 'ac3'), (10, 2, 'aac'), (10, 3, 'mp2'), (10, 4, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (10, 1, '192'), (10, 2, '128'), (10, 3, '224'), (10, 4, '256'), (10, 5, '384'), (10, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (10, 1, '48000'), (10, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (157, 1, 'MP4 - HEVC Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (157, 1, 'x265 hvc1'), (157, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (157, 1, 'Original'), (157, 2, '640x480'), (157, 3, '320x240'), (157, 4, '720x480'), (157, 5, '720x576'), (157, 6, '800x600'), (157, 7, '1024x768'), (157, 8, '1280x720'), (157, 9, '1920x1080'), (157, 10, '480x360'), (157, 11, '352x288'), (157, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (157, 1, '1000'), (157, 2, '600'), (157, 3, '800'), (157, 4, '1200'), (157, 5, '1500'), (157, 6, '2000'), (157, 7, '2500'), (157, 8, '400'), (157, 9, '256'), (157, 10, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (157, 1, 'Original'), (157, 2, '25'), (157, 3, '29.97'), (157, 4, '30'), (157, 5, '23.976'), (157, 6, '24'), (157, 7, '15'), (157, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (157, 1, 'aac'), (157, 2, 'mp3'), (157, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (157, 1, '128'), (157, 2, '96'), (157, 3, '160'), (157, 4, '192'), (157, 5, '256'), (157, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (157, 1, '44100'), (157, 2, '48000'), (157, 3, '32000'), (157, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (158, 1, 'MKV - HEVC Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (158, 1, 'x265'), (158, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (158, 1, 'Original'), (158, 2, '640x480'), (158, 3, '320x240'), (158, 4, '720x480'), (158, 5, '720x576'), (158, 6, '800x600'), (158, 7, '1024x768'), (158, 8, '1280x720'), (158, 9, '1920x1080'), (158, 10, '480x360'), (158, 11, '352x288'), (158, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (158, 1, '1000'), (158, 2, '600'), (158, 3, '800'), (158, 4, '1200'), (158, 5, '1500'), (158, 6, '2000'), (158, 7, '2500'), (158, 8, '400'), (158, 9, '256'), (158, 10, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (158, 1, 'Original'), (158, 2, '25'), (158, 3, '29.97'), (158, 4, '30'), (158, 5, '23.976'), (158, 6, '24'), (158, 7, '15'), (158, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (158, 1, 'aac'), (158, 2, 'ac3'), (158, 3, 'mp3'), (158, 4, 'ogg'), (158, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (158, 1, '128'), (158, 2, '96'), (158, 3, '160'), (158, 4, '192'), (158, 5, '256'), (158, 6, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (158, 1, '44100'), (158, 2, '48000'), (158, 3, '32000'), (158, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (159, 1, 'MKV - AV1 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (159, 1, 'AV1'), (159, 2, 'x265'), (159, 3, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (159, 1, 'Original'), (159, 2, '640x480'), (159, 3, '320x240'), (159, 4, '720x480'), (159, 5, '720x576'), (159, 6, '800x600'), (159, 7, '1024x768'), (159, 8, '1280x720'), (159, 9, '1920x1080'), (159, 10, '480x360'), (159, 11, '352x288'), (159, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (159, 1, '800'), (159, 2, '500'), (159, 3, '600'), (159, 4, '1000'), (159, 5, '1200'), (159, 6, '1500'), (159, 7, '2000'), (159, 8, '400'), (159, 9, '256'), (159, 10, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (159, 1, 'Original'), (159, 2, '25'), (159, 3, '29.97'), (159, 4, '30'), (159, 5, '23.976'), (159, 6, '24'), (159, 7, '15'), (159, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (159, 1, 'Opus'), (159, 2, 'aac'), (159, 3, 'ac3'), (159, 4, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (159, 1, '128'), (159, 2, '96'), (159, 3, '64'), (159, 4, '160'), (159, 5, '192'), (159, 6, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (159, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (160, 1, 'MP4 - AV1 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (160, 1, 'AV1'), (160, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (160, 1, 'Original'), (160, 2, '640x480'), (160, 3, '320x240'), (160, 4, '720x480'), (160, 5, '720x576'), (160, 6, '800x600'), (160, 7, '1024x768'), (160, 8, '1280x720'), (160, 9, '1920x1080'), (160, 10, '480x360'), (160, 11, '352x288'), (160, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (160, 1, '800'), (160, 2, '500'), (160, 3, '600'), (160, 4, '1000'), (160, 5, '1200'), (160, 6, '1500'), (160, 7, '2000'), (160, 8, '400'), (160, 9, '256'), (160, 10, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (160, 1, 'Original'), (160, 2, '25'), (160, 3, '29.97'), (160, 4, '30'), (160, 5, '23.976'), (160, 6, '24'), (160, 7, '15'), (160, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (160, 1, 'aac'), (160, 2, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (160, 1, '128'), (160, 2, '96'), (160, 3, '160'), (160, 4, '192'), (160, 5, '256'), (160, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (160, 1, '44100'), (160, 2, '48000'), (160, 3, '32000'), (160, 4, '22050');

-- 2. HD Video

INSERT INTO type (ID, classid, typename) VALUES (11, 2, 'HD MP4 - H264 720p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (11, 1, 'x264'), (11, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (11, 1, '1280x720'), (11, 2, '1920x1080'), (11, 3, '854x480'), (11, 4, '1024x576'), (11, 5, '640x360'), (11, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (11, 1, '4000'), (11, 2, '3000'), (11, 3, '5000'), (11, 4, '6000'), (11, 5, '2500'), (11, 6, '8000'), (11, 7, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (11, 1, 'Original'), (11, 2, '25'), (11, 3, '29.97'), (11, 4, '30'), (11, 5, '23.976'), (11, 6, '24'), (11, 7, '50'), (11, 8, '59.94'), (11, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (11, 1, 'aac'), (11, 2, 'ac3'), (11, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (11, 1, '192'), (11, 2, '128'), (11, 3, '160'), (11, 4, '256'), (11, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (11, 1, '48000'), (11, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (12, 2, 'HD MP4 - H264 1080p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (12, 1, 'x264'), (12, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (12, 1, '1920x1080'), (12, 2, '1280x720'), (12, 3, '1440x1080'), (12, 4, '854x480'), (12, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (12, 1, '8000'), (12, 2, '6000'), (12, 3, '10000'), (12, 4, '12000'), (12, 5, '15000'), (12, 6, '5000'), (12, 7, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (12, 1, 'Original'), (12, 2, '25'), (12, 3, '29.97'), (12, 4, '30'), (12, 5, '23.976'), (12, 6, '24'), (12, 7, '50'), (12, 8, '59.94'), (12, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (12, 1, 'aac'), (12, 2, 'ac3'), (12, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (12, 1, '192'), (12, 2, '128'), (12, 3, '160'), (12, 4, '256'), (12, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (12, 1, '48000'), (12, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (13, 2, 'HD MKV - H264 720p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (13, 1, 'x264'), (13, 2, 'mpeg4'), (13, 3, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (13, 1, '1280x720'), (13, 2, '1920x1080'), (13, 3, '854x480'), (13, 4, '1024x576'), (13, 5, '640x360'), (13, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (13, 1, '4000'), (13, 2, '3000'), (13, 3, '5000'), (13, 4, '6000'), (13, 5, '2500'), (13, 6, '8000'), (13, 7, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (13, 1, 'Original'), (13, 2, '25'), (13, 3, '29.97'), (13, 4, '30'), (13, 5, '23.976'), (13, 6, '24'), (13, 7, '50'), (13, 8, '59.94'), (13, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (13, 1, 'ac3'), (13, 2, 'aac'), (13, 3, 'mp3'), (13, 4, 'ogg'), (13, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (13, 1, '192'), (13, 2, '128'), (13, 3, '256'), (13, 4, '320'), (13, 5, '384'), (13, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (13, 1, '48000'), (13, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (14, 2, 'HD MKV - H264 1080p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (14, 1, 'x264'), (14, 2, 'mpeg4'), (14, 3, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (14, 1, '1920x1080'), (14, 2, '1280x720'), (14, 3, '1440x1080'), (14, 4, '854x480'), (14, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (14, 1, '8000'), (14, 2, '6000'), (14, 3, '10000'), (14, 4, '12000'), (14, 5, '15000'), (14, 6, '5000'), (14, 7, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (14, 1, 'Original'), (14, 2, '25'), (14, 3, '29.97'), (14, 4, '30'), (14, 5, '23.976'), (14, 6, '24'), (14, 7, '50'), (14, 8, '59.94'), (14, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (14, 1, 'ac3'), (14, 2, 'aac'), (14, 3, 'mp3'), (14, 4, 'ogg'), (14, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (14, 1, '192'), (14, 2, '128'), (14, 3, '256'), (14, 4, '320'), (14, 5, '384'), (14, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (14, 1, '48000'), (14, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (15, 2, 'HD AVI - XviD 720p Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (15, 1, 'xvid'), (15, 2, 'mpeg4'), (15, 3, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (15, 1, '1280x720'), (15, 2, '1920x1080'), (15, 3, '854x480'), (15, 4, '1024x576'), (15, 5, '640x360'), (15, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (15, 1, '4000'), (15, 2, '3000'), (15, 3, '5000'), (15, 4, '6000'), (15, 5, '2500'), (15, 6, '8000'), (15, 7, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (15, 1, 'Original'), (15, 2, '25'), (15, 3, '29.97'), (15, 4, '30'), (15, 5, '23.976'), (15, 6, '24'), (15, 7, '50'), (15, 8, '59.94'), (15, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (15, 1, 'ac3'), (15, 2, 'mp3'), (15, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (15, 1, '192'), (15, 2, '128'), (15, 3, '160'), (15, 4, '256'), (15, 5, '384'), (15, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (15, 1, '48000'), (15, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (16, 2, 'HD MOV - H264 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (16, 1, 'x264'), (16, 2, 'mpeg4'), (16, 3, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (16, 1, '1280x720'), (16, 2, '1920x1080'), (16, 3, '854x480'), (16, 4, '1024x576'), (16, 5, '640x360'), (16, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (16, 1, '4000'), (16, 2, '3000'), (16, 3, '5000'), (16, 4, '6000'), (16, 5, '2500'), (16, 6, '8000'), (16, 7, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (16, 1, 'Original'), (16, 2, '25'), (16, 3, '29.97'), (16, 4, '30'), (16, 5, '23.976'), (16, 6, '24'), (16, 7, '50'), (16, 8, '59.94'), (16, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (16, 1, 'aac'), (16, 2, 'mp3'), (16, 3, 'alac'), (16, 4, 'pcm_s16be'), (16, 5, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (16, 1, '128'), (16, 2, '96'), (16, 3, '160'), (16, 4, '192'), (16, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (16, 1, '44100'), (16, 2, '48000'), (16, 3, '32000'), (16, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (17, 2, 'HD WMV - Windows Media 720p Video (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (17, 1, 'WMV V9'), (17, 2, 'WMV V8'), (17, 3, 'wmv1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (17, 1, '1280x720'), (17, 2, '1920x1080'), (17, 3, '854x480'), (17, 4, '1024x576'), (17, 5, '640x360'), (17, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (17, 1, '4000'), (17, 2, '3000'), (17, 3, '5000'), (17, 4, '6000'), (17, 5, '2500'), (17, 6, '8000'), (17, 7, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (17, 1, 'Original'), (17, 2, '25'), (17, 3, '29.97'), (17, 4, '30'), (17, 5, '23.976'), (17, 6, '24'), (17, 7, '50'), (17, 8, '59.94'), (17, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (17, 1, 'WMA 9.2'), (17, 2, 'wmav1');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (17, 1, '192'), (17, 2, '128'), (17, 3, '160'), (17, 4, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (17, 1, '48000'), (17, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (18, 2, 'HD TS - H264 Transport Stream (*.ts)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (18, 1, 'x264'), (18, 2, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (18, 1, '1920x1080'), (18, 2, '1280x720'), (18, 3, '1440x1080'), (18, 4, '854x480'), (18, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (18, 1, '8000'), (18, 2, '6000'), (18, 3, '10000'), (18, 4, '12000'), (18, 5, '15000'), (18, 6, '5000'), (18, 7, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (18, 1, 'Original'), (18, 2, '25'), (18, 3, '29.97'), (18, 4, '30'), (18, 5, '23.976'), (18, 6, '24'), (18, 7, '50'), (18, 8, '59.94'), (18, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (18, 1, 'ac3'), (18, 2, 'aac'), (18, 3, 'mp2'), (18, 4, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (18, 1, '192'), (18, 2, '128'), (18, 3, '224'), (18, 4, '256'), (18, 5, '384'), (18, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (18, 1, '48000'), (18, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (19, 2, 'HD M2TS - Blu-ray Style AVCHD Video (*.m2ts)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (19, 1, 'x264'), (19, 2, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (19, 1, '1920x1080'), (19, 2, '1280x720'), (19, 3, '1440x1080'), (19, 4, '854x480'), (19, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (19, 1, '8000'), (19, 2, '6000'), (19, 3, '10000'), (19, 4, '12000'), (19, 5, '15000'), (19, 6, '5000'), (19, 7, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (19, 1, '29.97'), (19, 2, '25'), (19, 3, '23.976'), (19, 4, '24'), (19, 5, '59.94'), (19, 6, '50');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (19, 1, 'ac3'), (19, 2, 'aac'), (19, 3, 'mp2'), (19, 4, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (19, 1, '192'), (19, 2, '128'), (19, 3, '224'), (19, 4, '256'), (19, 5, '384'), (19, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (19, 1, '48000'), (19, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (20, 2, 'HD MPG - MPEG2 1080i Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (20, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (20, 1, '1920x1080'), (20, 2, '1440x1080'), (20, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (20, 1, '15000'), (20, 2, '12000'), (20, 3, '18000'), (20, 4, '10000'), (20, 5, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (20, 1, '29.97'), (20, 2, '25'), (20, 3, '23.976'), (20, 4, '24'), (20, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (20, 1, 'mp2'), (20, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (20, 1, '192'), (20, 2, '128'), (20, 3, '224'), (20, 4, '256'), (20, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (20, 1, '48000'), (20, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (161, 2, 'HD MP4 - HEVC 720p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (161, 1, 'x265 hvc1'), (161, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (161, 1, '1280x720'), (161, 2, '1920x1080'), (161, 3, '854x480'), (161, 4, '1024x576'), (161, 5, '640x360'), (161, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (161, 1, '2000'), (161, 2, '1500'), (161, 3, '2500'), (161, 4, '3000'), (161, 5, '4000'), (161, 6, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (161, 1, 'Original'), (161, 2, '25'), (161, 3, '29.97'), (161, 4, '30'), (161, 5, '23.976'), (161, 6, '24'), (161, 7, '50'), (161, 8, '59.94'), (161, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (161, 1, 'aac'), (161, 2, 'ac3'), (161, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (161, 1, '192'), (161, 2, '128'), (161, 3, '160'), (161, 4, '256'), (161, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (161, 1, '48000'), (161, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (162, 2, 'HD MP4 - HEVC 1080p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (162, 1, 'x265 hvc1'), (162, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (162, 1, '1920x1080'), (162, 2, '1280x720'), (162, 3, '1440x1080'), (162, 4, '854x480'), (162, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (162, 1, '4000'), (162, 2, '3000'), (162, 3, '5000'), (162, 4, '6000'), (162, 5, '8000'), (162, 6, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (162, 1, 'Original'), (162, 2, '25'), (162, 3, '29.97'), (162, 4, '30'), (162, 5, '23.976'), (162, 6, '24'), (162, 7, '50'), (162, 8, '59.94'), (162, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (162, 1, 'aac'), (162, 2, 'ac3'), (162, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (162, 1, '192'), (162, 2, '128'), (162, 3, '160'), (162, 4, '256'), (162, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (162, 1, '48000'), (162, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (163, 2, 'HD MKV - HEVC 1080p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (163, 1, 'x265'), (163, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (163, 1, '1920x1080'), (163, 2, '1280x720'), (163, 3, '1440x1080'), (163, 4, '854x480'), (163, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (163, 1, '4000'), (163, 2, '3000'), (163, 3, '5000'), (163, 4, '6000'), (163, 5, '8000'), (163, 6, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (163, 1, 'Original'), (163, 2, '25'), (163, 3, '29.97'), (163, 4, '30'), (163, 5, '23.976'), (163, 6, '24'), (163, 7, '50'), (163, 8, '59.94'), (163, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (163, 1, 'ac3'), (163, 2, 'aac'), (163, 3, 'mp3'), (163, 4, 'ogg'), (163, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (163, 1, '192'), (163, 2, '128'), (163, 3, '256'), (163, 4, '320'), (163, 5, '384'), (163, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (163, 1, '48000'), (163, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (164, 2, 'HD MKV - AV1 1080p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (164, 1, 'AV1'), (164, 2, 'x265');
INSERT INTO videosize (typeid, orders, videosize) VALUES (164, 1, '1920x1080'), (164, 2, '1280x720'), (164, 3, '1440x1080'), (164, 4, '854x480'), (164, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (164, 1, '3500'), (164, 2, '2500'), (164, 3, '3000'), (164, 4, '4500'), (164, 5, '6000'), (164, 6, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (164, 1, 'Original'), (164, 2, '25'), (164, 3, '29.97'), (164, 4, '30'), (164, 5, '23.976'), (164, 6, '24'), (164, 7, '50'), (164, 8, '59.94'), (164, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (164, 1, 'Opus'), (164, 2, 'ac3'), (164, 3, 'aac'), (164, 4, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (164, 1, '160'), (164, 2, '128'), (164, 3, '96'), (164, 4, '192'), (164, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (164, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (165, 2, 'HD WebM - VP9 1080p Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (165, 1, 'VP9'), (165, 2, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (165, 1, '1920x1080'), (165, 2, '1280x720'), (165, 3, '1440x1080'), (165, 4, '854x480'), (165, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (165, 1, '4000'), (165, 2, '3000'), (165, 3, '5000'), (165, 4, '6000'), (165, 5, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (165, 1, 'Original'), (165, 2, '25'), (165, 3, '29.97'), (165, 4, '30'), (165, 5, '23.976'), (165, 6, '24'), (165, 7, '50'), (165, 8, '59.94'), (165, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (165, 1, 'Opus'), (165, 2, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (165, 1, '160'), (165, 2, '128'), (165, 3, '96'), (165, 4, '192'), (165, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (165, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (166, 2, '4K MP4 - HEVC 2160p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (166, 1, 'x265 hvc1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (166, 1, '3840x2160'), (166, 2, '2560x1440'), (166, 3, '1920x1080'), (166, 4, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (166, 1, '16000'), (166, 2, '12000'), (166, 3, '20000'), (166, 4, '25000'), (166, 5, '10000'), (166, 6, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (166, 1, 'Original'), (166, 2, '25'), (166, 3, '29.97'), (166, 4, '30'), (166, 5, '23.976'), (166, 6, '24'), (166, 7, '50'), (166, 8, '59.94'), (166, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (166, 1, 'aac'), (166, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (166, 1, '192'), (166, 2, '128'), (166, 3, '256'), (166, 4, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (166, 1, '48000'), (166, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (167, 2, '4K MKV - HEVC 2160p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (167, 1, 'x265');
INSERT INTO videosize (typeid, orders, videosize) VALUES (167, 1, '3840x2160'), (167, 2, '2560x1440'), (167, 3, '1920x1080'), (167, 4, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (167, 1, '16000'), (167, 2, '12000'), (167, 3, '20000'), (167, 4, '25000'), (167, 5, '10000'), (167, 6, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (167, 1, 'Original'), (167, 2, '25'), (167, 3, '29.97'), (167, 4, '30'), (167, 5, '23.976'), (167, 6, '24'), (167, 7, '50'), (167, 8, '59.94'), (167, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (167, 1, 'ac3'), (167, 2, 'aac'), (167, 3, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (167, 1, '192'), (167, 2, '128'), (167, 3, '256'), (167, 4, '384'), (167, 5, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (167, 1, '48000'), (167, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (168, 2, '4K MKV - AV1 2160p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (168, 1, 'AV1'), (168, 2, 'x265');
INSERT INTO videosize (typeid, orders, videosize) VALUES (168, 1, '3840x2160'), (168, 2, '2560x1440'), (168, 3, '1920x1080'), (168, 4, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (168, 1, '14000'), (168, 2, '10000'), (168, 3, '12000'), (168, 4, '18000'), (168, 5, '22000'), (168, 6, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (168, 1, 'Original'), (168, 2, '25'), (168, 3, '29.97'), (168, 4, '30'), (168, 5, '23.976'), (168, 6, '24'), (168, 7, '50'), (168, 8, '59.94'), (168, 9, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (168, 1, 'Opus'), (168, 2, 'ac3'), (168, 3, 'aac'), (168, 4, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (168, 1, '160'), (168, 2, '128'), (168, 3, '192'), (168, 4, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (168, 1, '48000');

-- 3. Web Video

INSERT INTO type (ID, classid, typename) VALUES (21, 3, 'FLV - Flash Video (*.flv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (21, 1, 'flv');
INSERT INTO videosize (typeid, orders, videosize) VALUES (21, 1, 'Original'), (21, 2, '480x360'), (21, 3, '320x240'), (21, 4, '640x480'), (21, 5, '400x300'), (21, 6, '640x360'), (21, 7, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (21, 1, '800'), (21, 2, '600'), (21, 3, '400'), (21, 4, '1000'), (21, 5, '1500'), (21, 6, '256');
INSERT INTO framerate (typeid, orders, framerate) VALUES (21, 1, '25'), (21, 2, '29.97'), (21, 3, '30'), (21, 4, '24'), (21, 5, '15'), (21, 6, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (21, 1, 'mp3'), (21, 2, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (21, 1, '96'), (21, 2, '64'), (21, 3, '128'), (21, 4, '160'), (21, 5, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (21, 1, '44100'), (21, 2, '22050'), (21, 3, '11025');

INSERT INTO type (ID, classid, typename) VALUES (22, 3, 'FLV - H264 Flash Video (*.flv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (22, 1, 'x264'), (22, 2, 'flv');
INSERT INTO videosize (typeid, orders, videosize) VALUES (22, 1, '640x360'), (22, 2, '854x480'), (22, 3, '1280x720'), (22, 4, '480x360'), (22, 5, '320x240'), (22, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (22, 1, '1000'), (22, 2, '800'), (22, 3, '1500'), (22, 4, '2500'), (22, 5, '600');
INSERT INTO framerate (typeid, orders, framerate) VALUES (22, 1, '25'), (22, 2, '29.97'), (22, 3, '30'), (22, 4, '24'), (22, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (22, 1, 'aac'), (22, 2, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (22, 1, '128'), (22, 2, '96'), (22, 3, '160'), (22, 4, '192'), (22, 5, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (22, 1, '44100'), (22, 2, '22050');

INSERT INTO type (ID, classid, typename) VALUES (23, 3, 'F4V - Flash H264 Video (*.f4v)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (23, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (23, 1, '854x480'), (23, 2, '640x360'), (23, 3, '1280x720'), (23, 4, '1920x1080'), (23, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (23, 1, '1500'), (23, 2, '1000'), (23, 3, '2500'), (23, 4, '4000'), (23, 5, '800');
INSERT INTO framerate (typeid, orders, framerate) VALUES (23, 1, '25'), (23, 2, '29.97'), (23, 3, '30'), (23, 4, '24'), (23, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (23, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (23, 1, '128'), (23, 2, '96'), (23, 3, '160'), (23, 4, '192'), (23, 5, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (23, 1, '44100'), (23, 2, '48000'), (23, 3, '32000'), (23, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (24, 3, 'WebM - VP8 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (24, 1, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (24, 1, '640x360'), (24, 2, '854x480'), (24, 3, '1280x720'), (24, 4, '1920x1080'), (24, 5, '480x360'), (24, 6, '320x240'), (24, 7, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (24, 1, '1000'), (24, 2, '800'), (24, 3, '1500'), (24, 4, '2500'), (24, 5, '4000'), (24, 6, '500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (24, 1, '25'), (24, 2, '29.97'), (24, 3, '30'), (24, 4, '24'), (24, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (24, 1, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (24, 1, '128'), (24, 2, '96'), (24, 3, '160'), (24, 4, '192'), (24, 5, '256'), (24, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (24, 1, '44100'), (24, 2, '48000'), (24, 3, '32000'), (24, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (25, 3, 'OGV - Theora Video (*.ogv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (25, 1, 'libtheora');
INSERT INTO videosize (typeid, orders, videosize) VALUES (25, 1, '640x360'), (25, 2, '854x480'), (25, 3, '1280x720'), (25, 4, '640x480'), (25, 5, '320x240'), (25, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (25, 1, '1000'), (25, 2, '800'), (25, 3, '1500'), (25, 4, '2500'), (25, 5, '500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (25, 1, '25'), (25, 2, '29.97'), (25, 3, '30'), (25, 4, '24'), (25, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (25, 1, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (25, 1, '128'), (25, 2, '96'), (25, 3, '160'), (25, 4, '192'), (25, 5, '256'), (25, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (25, 1, '44100'), (25, 2, '48000'), (25, 3, '32000'), (25, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (26, 3, 'SWF - Flash Movie (*.swf)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (26, 1, 'flv');
INSERT INTO videosize (typeid, orders, videosize) VALUES (26, 1, 'Original'), (26, 2, '320x240'), (26, 3, '400x300'), (26, 4, '480x360'), (26, 5, '640x480'), (26, 6, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (26, 1, '400'), (26, 2, '256'), (26, 3, '600'), (26, 4, '800'), (26, 5, '200');
INSERT INTO framerate (typeid, orders, framerate) VALUES (26, 1, '15'), (26, 2, '12'), (26, 3, '24'), (26, 4, '25'), (26, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (26, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (26, 1, '64'), (26, 2, '96'), (26, 3, '128'), (26, 4, '32');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (26, 1, '22050'), (26, 2, '44100'), (26, 3, '11025');

INSERT INTO type (ID, classid, typename) VALUES (169, 3, 'WebM - VP9 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (169, 1, 'VP9'), (169, 2, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (169, 1, '1280x720'), (169, 2, '854x480'), (169, 3, '640x360'), (169, 4, '1920x1080'), (169, 5, '480x360'), (169, 6, '320x240'), (169, 7, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (169, 1, '1800'), (169, 2, '1200'), (169, 3, '800'), (169, 4, '2500'), (169, 5, '4000'), (169, 6, '500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (169, 1, '25'), (169, 2, '29.97'), (169, 3, '30'), (169, 4, '24'), (169, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (169, 1, 'Opus'), (169, 2, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (169, 1, '128'), (169, 2, '96'), (169, 3, '64'), (169, 4, '160'), (169, 5, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (169, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (170, 3, 'WebM - AV1 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (170, 1, 'AV1'), (170, 2, 'VP9');
INSERT INTO videosize (typeid, orders, videosize) VALUES (170, 1, '1280x720'), (170, 2, '854x480'), (170, 3, '640x360'), (170, 4, '1920x1080'), (170, 5, '480x360'), (170, 6, '320x240'), (170, 7, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (170, 1, '1500'), (170, 2, '1000'), (170, 3, '700'), (170, 4, '2000'), (170, 5, '3000'), (170, 6, '400');
INSERT INTO framerate (typeid, orders, framerate) VALUES (170, 1, '25'), (170, 2, '29.97'), (170, 3, '30'), (170, 4, '24'), (170, 5, 'Original');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (170, 1, 'Opus'), (170, 2, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (170, 1, '128'), (170, 2, '96'), (170, 3, '64'), (170, 4, '160'), (170, 5, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (170, 1, '48000');

-- 4. Video Sharing Sites

INSERT INTO type (ID, classid, typename) VALUES (27, 4, 'YouTube HD - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (27, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (27, 1, '1280x720'), (27, 2, '1920x1080'), (27, 3, '854x480'), (27, 4, '640x360');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (27, 1, '5000'), (27, 2, '4000'), (27, 3, '8000'), (27, 4, '2500'), (27, 5, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (27, 1, 'Original'), (27, 2, '30'), (27, 3, '25'), (27, 4, '24'), (27, 5, '29.97'), (27, 6, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (27, 1, 'aac'), (27, 2, 'ac3'), (27, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (27, 1, '192'), (27, 2, '128'), (27, 3, '160'), (27, 4, '256'), (27, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (27, 1, '48000'), (27, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (28, 4, 'YouTube - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (28, 1, 'x264'), (28, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (28, 1, '640x360'), (28, 2, '854x480'), (28, 3, '480x360'), (28, 4, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (28, 1, '1000'), (28, 2, '800'), (28, 3, '1500'), (28, 4, '600');
INSERT INTO framerate (typeid, orders, framerate) VALUES (28, 1, 'Original'), (28, 2, '30'), (28, 3, '25'), (28, 4, '24'), (28, 5, '29.97');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (28, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (28, 1, '128'), (28, 2, '96'), (28, 3, '160'), (28, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (28, 1, '44100'), (28, 2, '48000'), (28, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (29, 4, 'YouTube - Flash Video (*.flv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (29, 1, 'flv'), (29, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (29, 1, '640x360'), (29, 2, '480x360'), (29, 3, '320x240'), (29, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (29, 1, '800'), (29, 2, '600'), (29, 3, '1000'), (29, 4, '400');
INSERT INTO framerate (typeid, orders, framerate) VALUES (29, 1, '30'), (29, 2, '25'), (29, 3, '29.97'), (29, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (29, 1, 'mp3'), (29, 2, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (29, 1, '96'), (29, 2, '64'), (29, 3, '128'), (29, 4, '160'), (29, 5, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (29, 1, '44100'), (29, 2, '22050'), (29, 3, '11025');

INSERT INTO type (ID, classid, typename) VALUES (30, 4, 'Vimeo - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (30, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (30, 1, '1280x720'), (30, 2, '1920x1080'), (30, 3, '640x360');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (30, 1, '5000'), (30, 2, '3000'), (30, 3, '8000'), (30, 4, '10000'), (30, 5, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (30, 1, 'Original'), (30, 2, '30'), (30, 3, '25'), (30, 4, '24'), (30, 5, '29.97');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (30, 1, 'aac'), (30, 2, 'ac3'), (30, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (30, 1, '192'), (30, 2, '128'), (30, 3, '160'), (30, 4, '256'), (30, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (30, 1, '48000'), (30, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (31, 4, 'Facebook - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (31, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (31, 1, '1280x720'), (31, 2, '854x480'), (31, 3, '640x360'), (31, 4, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (31, 1, '3000'), (31, 2, '2000'), (31, 3, '1500'), (31, 4, '4000'), (31, 5, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (31, 1, '30'), (31, 2, '25'), (31, 3, '29.97'), (31, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (31, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (31, 1, '128'), (31, 2, '96'), (31, 3, '160'), (31, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (31, 1, '44100'), (31, 2, '48000'), (31, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (32, 4, 'Twitter - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (32, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (32, 1, '1280x720'), (32, 2, '640x360'), (32, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (32, 1, '2500'), (32, 2, '1500'), (32, 3, '1000'), (32, 4, '5000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (32, 1, '30'), (32, 2, '25'), (32, 3, '29.97'), (32, 4, '24'), (32, 5, '40');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (32, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (32, 1, '128'), (32, 2, '96'), (32, 3, '160'), (32, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (32, 1, '44100'), (32, 2, '48000'), (32, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (33, 4, 'Dailymotion - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (33, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (33, 1, '1280x720'), (33, 2, '854x480'), (33, 3, '640x360'), (33, 4, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (33, 1, '2500'), (33, 2, '1500'), (33, 3, '4000'), (33, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (33, 1, '25'), (33, 2, '30'), (33, 3, '29.97'), (33, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (33, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (33, 1, '128'), (33, 2, '96'), (33, 3, '160'), (33, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (33, 1, '44100'), (33, 2, '48000'), (33, 3, '22050');

-- 5. DVD and VCD

INSERT INTO type (ID, classid, typename) VALUES (34, 5, 'DVD NTSC - MPEG2 Video (*.vob)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (34, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (34, 1, '720x480'), (34, 2, '704x480'), (34, 3, '352x480'), (34, 4, '352x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (34, 1, '6000'), (34, 2, '5000'), (34, 3, '8000'), (34, 4, '4000'), (34, 5, '9000'), (34, 6, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (34, 1, '29.97'), (34, 2, '23.976'), (34, 3, '25'), (34, 4, '24'), (34, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (34, 1, 'ac3'), (34, 2, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (34, 1, '192'), (34, 2, '128'), (34, 3, '224'), (34, 4, '256'), (34, 5, '384'), (34, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (34, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (35, 5, 'DVD PAL - MPEG2 Video (*.vob)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (35, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (35, 1, '720x576'), (35, 2, '704x576'), (35, 3, '352x576'), (35, 4, '352x288');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (35, 1, '6000'), (35, 2, '5000'), (35, 3, '8000'), (35, 4, '4000'), (35, 5, '9000'), (35, 6, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (35, 1, '25'), (35, 2, '29.97'), (35, 3, '23.976'), (35, 4, '24'), (35, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (35, 1, 'ac3'), (35, 2, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (35, 1, '192'), (35, 2, '128'), (35, 3, '224'), (35, 4, '256'), (35, 5, '384'), (35, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (35, 1, '48000');

INSERT INTO type (ID, classid, typename) VALUES (36, 5, 'SVCD NTSC - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (36, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (36, 1, '480x480'), (36, 2, '352x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (36, 1, '2500'), (36, 2, '2000'), (36, 3, '1500'), (36, 4, '2200');
INSERT INTO framerate (typeid, orders, framerate) VALUES (36, 1, '29.97'), (36, 2, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (36, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (36, 1, '224'), (36, 2, '192'), (36, 3, '128'), (36, 4, '256'), (36, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (36, 1, '44100');

INSERT INTO type (ID, classid, typename) VALUES (37, 5, 'SVCD PAL - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (37, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (37, 1, '480x576'), (37, 2, '352x576');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (37, 1, '2500'), (37, 2, '2000'), (37, 3, '1500'), (37, 4, '2200');
INSERT INTO framerate (typeid, orders, framerate) VALUES (37, 1, '25');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (37, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (37, 1, '224'), (37, 2, '192'), (37, 3, '128'), (37, 4, '256'), (37, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (37, 1, '44100');

INSERT INTO type (ID, classid, typename) VALUES (38, 5, 'VCD NTSC - MPEG1 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (38, 1, 'mpeg1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (38, 1, '352x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (38, 1, '1150'), (38, 2, '1000'), (38, 3, '800');
INSERT INTO framerate (typeid, orders, framerate) VALUES (38, 1, '29.97'), (38, 2, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (38, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (38, 1, '224'), (38, 2, '192'), (38, 3, '128'), (38, 4, '256'), (38, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (38, 1, '44100');

INSERT INTO type (ID, classid, typename) VALUES (39, 5, 'VCD PAL - MPEG1 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (39, 1, 'mpeg1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (39, 1, '352x288');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (39, 1, '1150'), (39, 2, '1000'), (39, 3, '800');
INSERT INTO framerate (typeid, orders, framerate) VALUES (39, 1, '25');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (39, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (39, 1, '224'), (39, 2, '192'), (39, 3, '128'), (39, 4, '256'), (39, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (39, 1, '44100');

INSERT INTO type (ID, classid, typename) VALUES (40, 5, 'MPEG1 - General Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (40, 1, 'mpeg1'), (40, 2, 'mpeg1video');
INSERT INTO videosize (typeid, orders, videosize) VALUES (40, 1, '352x288'), (40, 2, '352x240'), (40, 3, '320x240'), (40, 4, '640x480'), (40, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (40, 1, '1150'), (40, 2, '1500'), (40, 3, '2000'), (40, 4, '800'), (40, 5, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (40, 1, '25'), (40, 2, '29.97'), (40, 3, '23.976'), (40, 4, '24'), (40, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (40, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (40, 1, '192'), (40, 2, '128'), (40, 3, '224'), (40, 4, '256'), (40, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (40, 1, '44100'), (40, 2, '48000'), (40, 3, '32000');

INSERT INTO type (ID, classid, typename) VALUES (41, 5, 'MPEG2 - General Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (41, 1, 'mpeg2'), (41, 2, 'mpeg2video');
INSERT INTO videosize (typeid, orders, videosize) VALUES (41, 1, '720x576'), (41, 2, '720x480'), (41, 3, '640x480'), (41, 4, '1280x720'), (41, 5, '1920x1080'), (41, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (41, 1, '4000'), (41, 2, '3000'), (41, 3, '6000'), (41, 4, '8000'), (41, 5, '2000'), (41, 6, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (41, 1, '25'), (41, 2, '29.97'), (41, 3, '23.976'), (41, 4, '24'), (41, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (41, 1, 'mp2'), (41, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (41, 1, '192'), (41, 2, '128'), (41, 3, '224'), (41, 4, '256'), (41, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (41, 1, '48000'), (41, 2, '44100');

-- 6. Lossless and Editing

INSERT INTO type (ID, classid, typename) VALUES (42, 6, 'AVI - HuffYUV Lossless Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (42, 1, 'huffyuv'), (42, 2, 'ffv1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (42, 1, 'Original'), (42, 2, '640x480'), (42, 3, '720x480'), (42, 4, '720x576'), (42, 5, '1280x720'), (42, 6, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (42, 1, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (42, 1, 'Original'), (42, 2, '25'), (42, 3, '29.97'), (42, 4, '30'), (42, 5, '24'), (42, 6, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (42, 1, 'pcm'), (42, 2, 'mp3'), (42, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (42, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (42, 1, '48000'), (42, 2, '44100'), (42, 3, '32000'), (42, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (43, 6, 'AVI - FFV1 Lossless Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (43, 1, 'ffv1'), (43, 2, 'huffyuv');
INSERT INTO videosize (typeid, orders, videosize) VALUES (43, 1, 'Original'), (43, 2, '640x480'), (43, 3, '720x480'), (43, 4, '720x576'), (43, 5, '1280x720'), (43, 6, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (43, 1, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (43, 1, 'Original'), (43, 2, '25'), (43, 3, '29.97'), (43, 4, '30'), (43, 5, '24'), (43, 6, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (43, 1, 'pcm'), (43, 2, 'mp3'), (43, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (43, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (43, 1, '48000'), (43, 2, '44100'), (43, 3, '32000'), (43, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (44, 6, 'MKV - FFV1 Lossless Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (44, 1, 'ffv1'), (44, 2, 'huffyuv');
INSERT INTO videosize (typeid, orders, videosize) VALUES (44, 1, 'Original'), (44, 2, '640x480'), (44, 3, '720x480'), (44, 4, '720x576'), (44, 5, '1280x720'), (44, 6, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (44, 1, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (44, 1, 'Original'), (44, 2, '25'), (44, 3, '29.97'), (44, 4, '30'), (44, 5, '24'), (44, 6, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (44, 1, 'flac'), (44, 2, 'ac3'), (44, 3, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (44, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (44, 1, '48000'), (44, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (45, 6, 'AVI - Motion JPEG Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (45, 1, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (45, 1, 'Original'), (45, 2, '640x480'), (45, 3, '720x480'), (45, 4, '720x576'), (45, 5, '1280x720'), (45, 6, '1920x1080'), (45, 7, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (45, 1, '8000'), (45, 2, '5000'), (45, 3, '12000'), (45, 4, '15000'), (45, 5, '20000'), (45, 6, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (45, 1, 'Original'), (45, 2, '25'), (45, 3, '29.97'), (45, 4, '30'), (45, 5, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (45, 1, 'pcm'), (45, 2, 'mp3'), (45, 3, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (45, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (45, 1, '48000'), (45, 2, '44100'), (45, 3, '32000'), (45, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (46, 6, 'MOV - Motion JPEG for Editing (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (46, 1, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (46, 1, 'Original'), (46, 2, '1280x720'), (46, 3, '1920x1080'), (46, 4, '720x480'), (46, 5, '720x576'), (46, 6, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (46, 1, '15000'), (46, 2, '10000'), (46, 3, '20000'), (46, 4, '25000'), (46, 5, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (46, 1, 'Original'), (46, 2, '25'), (46, 3, '29.97'), (46, 4, '30'), (46, 5, '24'), (46, 6, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (46, 1, 'pcm_s16be'), (46, 2, 'alac'), (46, 3, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (46, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (46, 1, '48000'), (46, 2, '44100'), (46, 3, '32000');

-- 7. Animated Pictures

INSERT INTO type (ID, classid, typename) VALUES (47, 7, 'GIF - Animated Picture (*.gif)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (47, 1, 'gif');
INSERT INTO videosize (typeid, orders, videosize) VALUES (47, 1, '320x240'), (47, 2, '240x180'), (47, 3, '400x300'), (47, 4, '480x360'), (47, 5, '640x480'), (47, 6, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (47, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (47, 1, '10'), (47, 2, '8'), (47, 3, '12'), (47, 4, '15'), (47, 5, '5'), (47, 6, '20');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (47, 1, 'N/A');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (47, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (47, 1, 'N/A');

INSERT INTO type (ID, classid, typename) VALUES (48, 7, 'GIF - Small Animated Picture (*.gif)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (48, 1, 'gif');
INSERT INTO videosize (typeid, orders, videosize) VALUES (48, 1, '160x120'), (48, 2, '128x96'), (48, 3, '200x150'), (48, 4, '240x180');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (48, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (48, 1, '8'), (48, 2, '5'), (48, 3, '10'), (48, 4, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (48, 1, 'N/A');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (48, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (48, 1, 'N/A');

INSERT INTO type (ID, classid, typename) VALUES (49, 7, 'GIF - Wide Animated Picture (*.gif)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (49, 1, 'gif');
INSERT INTO videosize (typeid, orders, videosize) VALUES (49, 1, '480x270'), (49, 2, '320x180'), (49, 3, '640x360'), (49, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (49, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (49, 1, '10'), (49, 2, '8'), (49, 3, '12'), (49, 4, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (49, 1, 'N/A');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (49, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (49, 1, 'N/A');

-- 8. Windows Media

INSERT INTO type (ID, classid, typename) VALUES (50, 8, 'WMV - Windows Media Video 9 (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (50, 1, 'WMV V9'), (50, 2, 'WMV V8'), (50, 3, 'wmv1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (50, 1, 'Original'), (50, 2, '640x480'), (50, 3, '320x240'), (50, 4, '720x480'), (50, 5, '720x576'), (50, 6, '800x600'), (50, 7, '1024x768'), (50, 8, '1280x720'), (50, 9, '1920x1080'), (50, 10, '480x360'), (50, 11, '352x288'), (50, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (50, 1, '1500'), (50, 2, '800'), (50, 3, '1000'), (50, 4, '1200'), (50, 5, '2000'), (50, 6, '2500'), (50, 7, '3000'), (50, 8, '4000'), (50, 9, '600'), (50, 10, '400'), (50, 11, '256'), (50, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (50, 1, 'Original'), (50, 2, '25'), (50, 3, '29.97'), (50, 4, '30'), (50, 5, '23.976'), (50, 6, '24'), (50, 7, '15'), (50, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (50, 1, 'WMA 9.2'), (50, 2, 'wmav1'), (50, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (50, 1, '128'), (50, 2, '96'), (50, 3, '160'), (50, 4, '192'), (50, 5, '64'), (50, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (50, 1, '44100'), (50, 2, '48000'), (50, 3, '32000'), (50, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (51, 8, 'WMV - Windows Media Video 8 (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (51, 1, 'WMV V8'), (51, 2, 'WMV V9'), (51, 3, 'wmv2'), (51, 4, 'wmv1');
INSERT INTO videosize (typeid, orders, videosize) VALUES (51, 1, 'Original'), (51, 2, '640x480'), (51, 3, '320x240'), (51, 4, '720x480'), (51, 5, '720x576'), (51, 6, '800x600'), (51, 7, '1024x768'), (51, 8, '1280x720'), (51, 9, '1920x1080'), (51, 10, '480x360'), (51, 11, '352x288'), (51, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (51, 1, '1500'), (51, 2, '800'), (51, 3, '1000'), (51, 4, '1200'), (51, 5, '2000'), (51, 6, '2500'), (51, 7, '3000'), (51, 8, '4000'), (51, 9, '600'), (51, 10, '400'), (51, 11, '256'), (51, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (51, 1, 'Original'), (51, 2, '25'), (51, 3, '29.97'), (51, 4, '30'), (51, 5, '23.976'), (51, 6, '24'), (51, 7, '15'), (51, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (51, 1, 'WMA 9.2'), (51, 2, 'wmav1'), (51, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (51, 1, '128'), (51, 2, '96'), (51, 3, '160'), (51, 4, '192'), (51, 5, '64'), (51, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (51, 1, '44100'), (51, 2, '48000'), (51, 3, '32000'), (51, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (52, 8, 'WMV - Windows Media Video 7 (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (52, 1, 'wmv1'), (52, 2, 'wmv2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (52, 1, 'Original'), (52, 2, '640x480'), (52, 3, '320x240'), (52, 4, '720x480'), (52, 5, '720x576'), (52, 6, '800x600'), (52, 7, '1024x768'), (52, 8, '1280x720'), (52, 9, '1920x1080'), (52, 10, '480x360'), (52, 11, '352x288'), (52, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (52, 1, '1500'), (52, 2, '800'), (52, 3, '1000'), (52, 4, '1200'), (52, 5, '2000'), (52, 6, '2500'), (52, 7, '3000'), (52, 8, '4000'), (52, 9, '600'), (52, 10, '400'), (52, 11, '256'), (52, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (52, 1, 'Original'), (52, 2, '25'), (52, 3, '29.97'), (52, 4, '30'), (52, 5, '23.976'), (52, 6, '24'), (52, 7, '15'), (52, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (52, 1, 'WMA 9.2'), (52, 2, 'wmav1'), (52, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (52, 1, '128'), (52, 2, '96'), (52, 3, '160'), (52, 4, '192'), (52, 5, '64'), (52, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (52, 1, '44100'), (52, 2, '48000'), (52, 3, '32000'), (52, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (53, 8, 'ASF - Advanced Systems Format Video (*.asf)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (53, 1, 'msmpeg4'), (53, 2, 'wmv2'), (53, 3, 'wmv1'), (53, 4, 'msmpeg4v2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (53, 1, 'Original'), (53, 2, '640x480'), (53, 3, '320x240'), (53, 4, '720x480'), (53, 5, '720x576'), (53, 6, '800x600'), (53, 7, '1024x768'), (53, 8, '1280x720'), (53, 9, '1920x1080'), (53, 10, '480x360'), (53, 11, '352x288'), (53, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (53, 1, '1500'), (53, 2, '800'), (53, 3, '1000'), (53, 4, '1200'), (53, 5, '2000'), (53, 6, '2500'), (53, 7, '3000'), (53, 8, '4000'), (53, 9, '600'), (53, 10, '400'), (53, 11, '256'), (53, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (53, 1, 'Original'), (53, 2, '25'), (53, 3, '29.97'), (53, 4, '30'), (53, 5, '23.976'), (53, 6, '24'), (53, 7, '15'), (53, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (53, 1, 'WMA 9.2'), (53, 2, 'wmav1'), (53, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (53, 1, '128'), (53, 2, '96'), (53, 3, '160'), (53, 4, '192'), (53, 5, '64'), (53, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (53, 1, '44100'), (53, 2, '48000'), (53, 3, '32000'), (53, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (54, 8, 'AVI - Windows Media Video 8 (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (54, 1, 'wmv2'), (54, 2, 'wmv1'), (54, 3, 'msmpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (54, 1, 'Original'), (54, 2, '640x480'), (54, 3, '320x240'), (54, 4, '720x480'), (54, 5, '720x576'), (54, 6, '800x600'), (54, 7, '1024x768'), (54, 8, '1280x720'), (54, 9, '1920x1080'), (54, 10, '480x360'), (54, 11, '352x288'), (54, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (54, 1, '1500'), (54, 2, '800'), (54, 3, '1000'), (54, 4, '1200'), (54, 5, '2000'), (54, 6, '2500'), (54, 7, '3000'), (54, 8, '4000'), (54, 9, '600'), (54, 10, '400'), (54, 11, '256'), (54, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (54, 1, 'Original'), (54, 2, '25'), (54, 3, '29.97'), (54, 4, '30'), (54, 5, '23.976'), (54, 6, '24'), (54, 7, '15'), (54, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (54, 1, 'mp3'), (54, 2, 'ac3'), (54, 3, 'mp2'), (54, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (54, 1, '128'), (54, 2, '160'), (54, 3, '192'), (54, 4, '96'), (54, 5, '256'), (54, 6, '320'), (54, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (54, 1, '44100'), (54, 2, '48000'), (54, 3, '32000'), (54, 4, '22050');

-- 9. QuickTime and Apple Formats

INSERT INTO type (ID, classid, typename) VALUES (55, 9, 'MOV - QuickTime H264 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (55, 1, 'x264'), (55, 2, 'mpeg4'), (55, 3, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (55, 1, 'Original'), (55, 2, '640x480'), (55, 3, '320x240'), (55, 4, '720x480'), (55, 5, '720x576'), (55, 6, '800x600'), (55, 7, '1024x768'), (55, 8, '1280x720'), (55, 9, '1920x1080'), (55, 10, '480x360'), (55, 11, '352x288'), (55, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (55, 1, '1500'), (55, 2, '800'), (55, 3, '1000'), (55, 4, '1200'), (55, 5, '2000'), (55, 6, '2500'), (55, 7, '3000'), (55, 8, '4000'), (55, 9, '600'), (55, 10, '400'), (55, 11, '256'), (55, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (55, 1, 'Original'), (55, 2, '25'), (55, 3, '29.97'), (55, 4, '30'), (55, 5, '23.976'), (55, 6, '24'), (55, 7, '15'), (55, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (55, 1, 'aac'), (55, 2, 'mp3'), (55, 3, 'alac'), (55, 4, 'pcm_s16be'), (55, 5, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (55, 1, '128'), (55, 2, '96'), (55, 3, '160'), (55, 4, '192'), (55, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (55, 1, '44100'), (55, 2, '48000'), (55, 3, '32000'), (55, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (56, 9, 'MOV - QuickTime MPEG4 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (56, 1, 'mpeg4'), (56, 2, 'x264'), (56, 3, 'xvid');
INSERT INTO videosize (typeid, orders, videosize) VALUES (56, 1, 'Original'), (56, 2, '640x480'), (56, 3, '320x240'), (56, 4, '720x480'), (56, 5, '720x576'), (56, 6, '800x600'), (56, 7, '1024x768'), (56, 8, '1280x720'), (56, 9, '1920x1080'), (56, 10, '480x360'), (56, 11, '352x288'), (56, 12, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (56, 1, '1500'), (56, 2, '800'), (56, 3, '1000'), (56, 4, '1200'), (56, 5, '2000'), (56, 6, '2500'), (56, 7, '3000'), (56, 8, '4000'), (56, 9, '600'), (56, 10, '400'), (56, 11, '256'), (56, 12, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (56, 1, 'Original'), (56, 2, '25'), (56, 3, '29.97'), (56, 4, '30'), (56, 5, '23.976'), (56, 6, '24'), (56, 7, '15'), (56, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (56, 1, 'aac'), (56, 2, 'mp3'), (56, 3, 'alac'), (56, 4, 'pcm_s16be'), (56, 5, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (56, 1, '128'), (56, 2, '96'), (56, 3, '160'), (56, 4, '192'), (56, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (56, 1, '44100'), (56, 2, '48000'), (56, 3, '32000'), (56, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (57, 9, 'MOV - QuickTime H263 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (57, 1, 'h263'), (57, 2, 'h263p');
INSERT INTO videosize (typeid, orders, videosize) VALUES (57, 1, '176x144'), (57, 2, '352x288'), (57, 3, '128x96'), (57, 4, '704x576'), (57, 5, '1408x1152');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (57, 1, '512'), (57, 2, '256'), (57, 3, '384'), (57, 4, '768'), (57, 5, '1024');
INSERT INTO framerate (typeid, orders, framerate) VALUES (57, 1, '25'), (57, 2, '29.97'), (57, 3, '15'), (57, 4, '12'), (57, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (57, 1, 'aac'), (57, 2, 'mp3'), (57, 3, 'alac'), (57, 4, 'pcm_s16be'), (57, 5, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (57, 1, '128'), (57, 2, '96'), (57, 3, '160'), (57, 4, '192'), (57, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (57, 1, '44100'), (57, 2, '48000'), (57, 3, '32000'), (57, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (58, 9, 'M4V - iTunes H264 Video (*.m4v)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (58, 1, 'x264'), (58, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (58, 1, '1280x720'), (58, 2, '640x480'), (58, 3, '854x480'), (58, 4, '1920x1080'), (58, 5, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (58, 1, '2500'), (58, 2, '1500'), (58, 3, '4000'), (58, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (58, 1, 'Original'), (58, 2, '30'), (58, 3, '25'), (58, 4, '29.97'), (58, 5, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (58, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (58, 1, '128'), (58, 2, '96'), (58, 3, '160'), (58, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (58, 1, '44100'), (58, 2, '48000'), (58, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (59, 9, 'M4V - iTunes MPEG4 Video (*.m4v)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (59, 1, 'mpeg4'), (59, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (59, 1, '640x480'), (59, 2, '320x240'), (59, 3, '854x480'), (59, 4, 'Original');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (59, 1, '1500'), (59, 2, '1000'), (59, 3, '2500'), (59, 4, '800');
INSERT INTO framerate (typeid, orders, framerate) VALUES (59, 1, 'Original'), (59, 2, '30'), (59, 3, '25'), (59, 4, '29.97'), (59, 5, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (59, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (59, 1, '128'), (59, 2, '96'), (59, 3, '160'), (59, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (59, 1, '44100'), (59, 2, '48000'), (59, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (171, 9, 'MOV - Apple HEVC Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (171, 1, 'x265 hvc1'), (171, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (171, 1, 'Original'), (171, 2, '1920x1080'), (171, 3, '1280x720'), (171, 4, '3840x2160'), (171, 5, '854x480'), (171, 6, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (171, 1, '1000'), (171, 2, '800'), (171, 3, '1500'), (171, 4, '2000'), (171, 5, '3000'), (171, 6, '4000'), (171, 7, '6000'), (171, 8, '12000'), (171, 9, 'Original');
INSERT INTO framerate (typeid, orders, framerate) VALUES (171, 1, 'Original'), (171, 2, '25'), (171, 3, '29.97'), (171, 4, '30'), (171, 5, '23.976'), (171, 6, '24'), (171, 7, '15'), (171, 8, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (171, 1, 'aac'), (171, 2, 'alac'), (171, 3, 'pcm_s16be');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (171, 1, '128'), (171, 2, '96'), (171, 3, '160'), (171, 4, '192'), (171, 5, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (171, 1, '44100'), (171, 2, '48000'), (171, 3, '32000'), (171, 4, '22050');

-- 10. Mobile Phones (3GP)

INSERT INTO type (ID, classid, typename) VALUES (60, 10, '3GP - MPEG4 Video for Mobile Phones (*.3gp)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (60, 1, 'mpeg4'), (60, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (60, 1, '176x144'), (60, 2, '320x240'), (60, 3, '352x288'), (60, 4, '128x96'), (60, 5, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (60, 1, '256'), (60, 2, '128'), (60, 3, '384'), (60, 4, '512'), (60, 5, '768');
INSERT INTO framerate (typeid, orders, framerate) VALUES (60, 1, '15'), (60, 2, '12'), (60, 3, '20'), (60, 4, '25'), (60, 5, '30'), (60, 6, '10');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (60, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (60, 1, '64'), (60, 2, '32'), (60, 3, '48'), (60, 4, '96'), (60, 5, '128');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (60, 1, '22050'), (60, 2, '16000'), (60, 3, '32000'), (60, 4, '44100'), (60, 5, '8000');

INSERT INTO type (ID, classid, typename) VALUES (61, 10, '3GP - H264 Video for Mobile Phones (*.3gp)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (61, 1, 'x264'), (61, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (61, 1, '320x240'), (61, 2, '176x144'), (61, 3, '352x288'), (61, 4, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (61, 1, '384'), (61, 2, '256'), (61, 3, '512'), (61, 4, '768'), (61, 5, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (61, 1, '15'), (61, 2, '20'), (61, 3, '25'), (61, 4, '30'), (61, 5, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (61, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (61, 1, '64'), (61, 2, '32'), (61, 3, '48'), (61, 4, '96'), (61, 5, '128');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (61, 1, '22050'), (61, 2, '16000'), (61, 3, '32000'), (61, 4, '44100'), (61, 5, '8000');

INSERT INTO type (ID, classid, typename) VALUES (62, 10, '3GP - Large Screen Phones (*.3gp)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (62, 1, 'mpeg4'), (62, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (62, 1, '640x480'), (62, 2, '480x360'), (62, 3, '400x240'), (62, 4, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (62, 1, '768'), (62, 2, '512'), (62, 3, '1000'), (62, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (62, 1, '25'), (62, 2, '30'), (62, 3, '29.97'), (62, 4, '20'), (62, 5, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (62, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (62, 1, '64'), (62, 2, '32'), (62, 3, '48'), (62, 4, '96'), (62, 5, '128');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (62, 1, '22050'), (62, 2, '16000'), (62, 3, '32000'), (62, 4, '44100'), (62, 5, '8000');

INSERT INTO type (ID, classid, typename) VALUES (63, 10, '3G2 - MPEG4 Video for CDMA Phones (*.3g2)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (63, 1, 'mpeg4'), (63, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (63, 1, '176x144'), (63, 2, '320x240'), (63, 3, '352x288'), (63, 4, '128x96');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (63, 1, '256'), (63, 2, '128'), (63, 3, '384'), (63, 4, '512');
INSERT INTO framerate (typeid, orders, framerate) VALUES (63, 1, '15'), (63, 2, '12'), (63, 3, '20'), (63, 4, '25'), (63, 5, '10');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (63, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (63, 1, '64'), (63, 2, '32'), (63, 3, '48'), (63, 4, '96'), (63, 5, '128');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (63, 1, '22050'), (63, 2, '16000'), (63, 3, '32000'), (63, 4, '44100'), (63, 5, '8000');

INSERT INTO type (ID, classid, typename) VALUES (64, 10, '3G2 - H264 Video for CDMA Phones (*.3g2)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (64, 1, 'x264'), (64, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (64, 1, '320x240'), (64, 2, '176x144'), (64, 3, '352x288');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (64, 1, '384'), (64, 2, '256'), (64, 3, '512'), (64, 4, '768');
INSERT INTO framerate (typeid, orders, framerate) VALUES (64, 1, '15'), (64, 2, '20'), (64, 3, '25'), (64, 4, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (64, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (64, 1, '64'), (64, 2, '32'), (64, 3, '48'), (64, 4, '96'), (64, 5, '128');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (64, 1, '22050'), (64, 2, '16000'), (64, 3, '32000'), (64, 4, '44100'), (64, 5, '8000');

-- 11. iPhone

INSERT INTO type (ID, classid, typename) VALUES (65, 11, 'iPhone - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (65, 1, 'x264'), (65, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (65, 1, '480x320'), (65, 2, '640x480'), (65, 3, '320x240'), (65, 4, '640x360');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (65, 1, '1000'), (65, 2, '800'), (65, 3, '1500'), (65, 4, '600');
INSERT INTO framerate (typeid, orders, framerate) VALUES (65, 1, '30'), (65, 2, '25'), (65, 3, '29.97'), (65, 4, '24'), (65, 5, '23.976'), (65, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (65, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (65, 1, '128'), (65, 2, '96'), (65, 3, '160'), (65, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (65, 1, '44100'), (65, 2, '48000'), (65, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (66, 11, 'iPhone 4 - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (66, 1, 'x264'), (66, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (66, 1, '960x640'), (66, 2, '640x480'), (66, 3, '854x480'), (66, 4, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (66, 1, '2000'), (66, 2, '1500'), (66, 3, '2500'), (66, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (66, 1, '30'), (66, 2, '25'), (66, 3, '29.97'), (66, 4, '24'), (66, 5, '23.976'), (66, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (66, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (66, 1, '128'), (66, 2, '96'), (66, 3, '160'), (66, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (66, 1, '44100'), (66, 2, '48000'), (66, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (67, 11, 'iPhone 5 - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (67, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (67, 1, '1136x640'), (67, 2, '1280x720'), (67, 3, '960x640'), (67, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (67, 1, '2500'), (67, 2, '2000'), (67, 3, '3000'), (67, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (67, 1, '30'), (67, 2, '25'), (67, 3, '29.97'), (67, 4, '24'), (67, 5, '23.976'), (67, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (67, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (67, 1, '128'), (67, 2, '96'), (67, 3, '160'), (67, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (67, 1, '44100'), (67, 2, '48000'), (67, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (68, 11, 'iPhone 6 and Later - H264 HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (68, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (68, 1, '1334x750'), (68, 2, '1920x1080'), (68, 3, '1280x720'), (68, 4, '1136x640');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (68, 1, '4000'), (68, 2, '3000'), (68, 3, '6000'), (68, 4, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (68, 1, '30'), (68, 2, '25'), (68, 3, '29.97'), (68, 4, '24'), (68, 5, '23.976'), (68, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (68, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (68, 1, '128'), (68, 2, '96'), (68, 3, '160'), (68, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (68, 1, '44100'), (68, 2, '48000'), (68, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (69, 11, 'iPhone - QuickTime H264 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (69, 1, 'x264'), (69, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (69, 1, '640x480'), (69, 2, '480x320'), (69, 3, '960x640'), (69, 4, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (69, 1, '1500'), (69, 2, '1000'), (69, 3, '2500'), (69, 4, '800');
INSERT INTO framerate (typeid, orders, framerate) VALUES (69, 1, '30'), (69, 2, '25'), (69, 3, '29.97'), (69, 4, '24'), (69, 5, '23.976'), (69, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (69, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (69, 1, '128'), (69, 2, '96'), (69, 3, '160'), (69, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (69, 1, '44100'), (69, 2, '48000'), (69, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (172, 11, 'iPhone - HEVC HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (172, 1, 'x265 hvc1'), (172, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (172, 1, '1920x1080'), (172, 2, '1280x720'), (172, 3, '1334x750'), (172, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (172, 1, '3000'), (172, 2, '2000'), (172, 3, '4000'), (172, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (172, 1, '30'), (172, 2, '25'), (172, 3, '29.97'), (172, 4, '24'), (172, 5, '23.976'), (172, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (172, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (172, 1, '128'), (172, 2, '96'), (172, 3, '160'), (172, 4, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (172, 1, '44100'), (172, 2, '48000');

-- 12. Android Phones

INSERT INTO type (ID, classid, typename) VALUES (70, 12, 'Android Phone - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (70, 1, 'x264'), (70, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (70, 1, '800x480'), (70, 2, '854x480'), (70, 3, '640x360'), (70, 4, '480x320'), (70, 5, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (70, 1, '1200'), (70, 2, '1000'), (70, 3, '1500'), (70, 4, '800'), (70, 5, '600');
INSERT INTO framerate (typeid, orders, framerate) VALUES (70, 1, '30'), (70, 2, '25'), (70, 3, '29.97'), (70, 4, '24'), (70, 5, '23.976'), (70, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (70, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (70, 1, '128'), (70, 2, '96'), (70, 3, '160'), (70, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (70, 1, '44100'), (70, 2, '48000'), (70, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (71, 12, 'Android Phone - HD H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (71, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (71, 1, '1280x720'), (71, 2, '1920x1080'), (71, 3, '960x540'), (71, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (71, 1, '3000'), (71, 2, '2500'), (71, 3, '4000'), (71, 4, '6000'), (71, 5, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (71, 1, '30'), (71, 2, '25'), (71, 3, '29.97'), (71, 4, '24'), (71, 5, '23.976'), (71, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (71, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (71, 1, '128'), (71, 2, '96'), (71, 3, '160'), (71, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (71, 1, '44100'), (71, 2, '48000'), (71, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (72, 12, 'Samsung Galaxy Phone - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (72, 1, 'x264'), (72, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (72, 1, '1280x720'), (72, 2, '1920x1080'), (72, 3, '800x480'), (72, 4, '960x540');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (72, 1, '2500'), (72, 2, '2000'), (72, 3, '4000'), (72, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (72, 1, '30'), (72, 2, '25'), (72, 3, '29.97'), (72, 4, '24'), (72, 5, '23.976'), (72, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (72, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (72, 1, '128'), (72, 2, '96'), (72, 3, '160'), (72, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (72, 1, '44100'), (72, 2, '48000'), (72, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (73, 12, 'HTC Phone - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (73, 1, 'x264'), (73, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (73, 1, '800x480'), (73, 2, '960x540'), (73, 3, '1280x720'), (73, 4, '480x320');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (73, 1, '1500'), (73, 2, '1200'), (73, 3, '2500'), (73, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (73, 1, '30'), (73, 2, '25'), (73, 3, '29.97'), (73, 4, '24'), (73, 5, '23.976'), (73, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (73, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (73, 1, '128'), (73, 2, '96'), (73, 3, '160'), (73, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (73, 1, '44100'), (73, 2, '48000'), (73, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (74, 12, 'Android Phone - WebM VP8 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (74, 1, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (74, 1, '854x480'), (74, 2, '640x360'), (74, 3, '1280x720'), (74, 4, '480x320');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (74, 1, '1000'), (74, 2, '800'), (74, 3, '1500'), (74, 4, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (74, 1, '30'), (74, 2, '25'), (74, 3, '29.97'), (74, 4, '24'), (74, 5, '23.976'), (74, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (74, 1, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (74, 1, '128'), (74, 2, '96'), (74, 3, '160'), (74, 4, '192'), (74, 5, '256'), (74, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (74, 1, '44100'), (74, 2, '48000'), (74, 3, '32000'), (74, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (173, 12, 'Android Phone - HEVC HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (173, 1, 'x265 hvc1'), (173, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (173, 1, '1280x720'), (173, 2, '1920x1080'), (173, 3, '960x540'), (173, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (173, 1, '1500'), (173, 2, '1200'), (173, 3, '2000'), (173, 4, '3000'), (173, 5, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (173, 1, '30'), (173, 2, '25'), (173, 3, '29.97'), (173, 4, '24'), (173, 5, '23.976'), (173, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (173, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (173, 1, '128'), (173, 2, '96'), (173, 3, '160'), (173, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (173, 1, '44100'), (173, 2, '48000');

-- 13. Other Smartphones

INSERT INTO type (ID, classid, typename) VALUES (75, 13, 'BlackBerry - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (75, 1, 'x264'), (75, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (75, 1, '480x360'), (75, 2, '640x480'), (75, 3, '480x320'), (75, 4, '320x240'), (75, 5, '720x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (75, 1, '800'), (75, 2, '600'), (75, 3, '1000'), (75, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (75, 1, '30'), (75, 2, '25'), (75, 3, '29.97'), (75, 4, '24'), (75, 5, '23.976'), (75, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (75, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (75, 1, '128'), (75, 2, '96'), (75, 3, '160'), (75, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (75, 1, '44100'), (75, 2, '48000'), (75, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (76, 13, 'Windows Phone - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (76, 1, 'x264'), (76, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (76, 1, '800x480'), (76, 2, '1280x720'), (76, 3, '854x480'), (76, 4, '480x320');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (76, 1, '1500'), (76, 2, '1200'), (76, 3, '2500'), (76, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (76, 1, '30'), (76, 2, '25'), (76, 3, '29.97'), (76, 4, '24'), (76, 5, '23.976'), (76, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (76, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (76, 1, '128'), (76, 2, '96'), (76, 3, '160'), (76, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (76, 1, '44100'), (76, 2, '48000'), (76, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (77, 13, 'Windows Phone - WMV Video (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (77, 1, 'WMV V9'), (77, 2, 'WMV V8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (77, 1, '800x480'), (77, 2, '640x480'), (77, 3, '480x320'), (77, 4, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (77, 1, '1200'), (77, 2, '1000'), (77, 3, '800'), (77, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (77, 1, '30'), (77, 2, '25'), (77, 3, '29.97'), (77, 4, '24'), (77, 5, '23.976'), (77, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (77, 1, 'WMA 9.2'), (77, 2, 'wmav1'), (77, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (77, 1, '128'), (77, 2, '96'), (77, 3, '160'), (77, 4, '192'), (77, 5, '64'), (77, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (77, 1, '44100'), (77, 2, '48000'), (77, 3, '32000'), (77, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (78, 13, 'Nokia Symbian - MPEG4 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (78, 1, 'mpeg4'), (78, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (78, 1, '640x360'), (78, 2, '320x240'), (78, 3, '480x360'), (78, 4, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (78, 1, '768'), (78, 2, '512'), (78, 3, '1000'), (78, 4, '384');
INSERT INTO framerate (typeid, orders, framerate) VALUES (78, 1, '30'), (78, 2, '25'), (78, 3, '29.97'), (78, 4, '24'), (78, 5, '23.976'), (78, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (78, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (78, 1, '128'), (78, 2, '96'), (78, 3, '160'), (78, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (78, 1, '44100'), (78, 2, '48000'), (78, 3, '22050');

-- 14. iPad

INSERT INTO type (ID, classid, typename) VALUES (79, 14, 'iPad - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (79, 1, 'x264'), (79, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (79, 1, '1024x768'), (79, 2, '1280x720'), (79, 3, '640x480'), (79, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (79, 1, '2500'), (79, 2, '2000'), (79, 3, '3000'), (79, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (79, 1, '30'), (79, 2, '25'), (79, 3, '29.97'), (79, 4, '24'), (79, 5, '23.976'), (79, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (79, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (79, 1, '128'), (79, 2, '96'), (79, 3, '160'), (79, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (79, 1, '44100'), (79, 2, '48000'), (79, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (80, 14, 'iPad Retina - H264 HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (80, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (80, 1, '1920x1080'), (80, 2, '2048x1536'), (80, 3, '1280x720'), (80, 4, '1024x768');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (80, 1, '6000'), (80, 2, '5000'), (80, 3, '8000'), (80, 4, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (80, 1, '30'), (80, 2, '25'), (80, 3, '29.97'), (80, 4, '24'), (80, 5, '23.976'), (80, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (80, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (80, 1, '128'), (80, 2, '96'), (80, 3, '160'), (80, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (80, 1, '44100'), (80, 2, '48000'), (80, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (81, 14, 'iPad Mini - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (81, 1, 'x264'), (81, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (81, 1, '1024x768'), (81, 2, '1280x720'), (81, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (81, 1, '2000'), (81, 2, '1500'), (81, 3, '2500'), (81, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (81, 1, '30'), (81, 2, '25'), (81, 3, '29.97'), (81, 4, '24'), (81, 5, '23.976'), (81, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (81, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (81, 1, '128'), (81, 2, '96'), (81, 3, '160'), (81, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (81, 1, '44100'), (81, 2, '48000'), (81, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (82, 14, 'iPad - QuickTime H264 Video (*.mov)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (82, 1, 'x264'), (82, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (82, 1, '1280x720'), (82, 2, '1024x768'), (82, 3, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (82, 1, '3000'), (82, 2, '2500'), (82, 3, '5000'), (82, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (82, 1, '30'), (82, 2, '25'), (82, 3, '29.97'), (82, 4, '24'), (82, 5, '23.976'), (82, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (82, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (82, 1, '128'), (82, 2, '96'), (82, 3, '160'), (82, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (82, 1, '44100'), (82, 2, '48000'), (82, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (174, 14, 'iPad - HEVC HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (174, 1, 'x265 hvc1'), (174, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (174, 1, '1920x1080'), (174, 2, '2048x1536'), (174, 3, '1280x720'), (174, 4, '1024x768');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (174, 1, '3000'), (174, 2, '2500'), (174, 3, '4000'), (174, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (174, 1, '30'), (174, 2, '25'), (174, 3, '29.97'), (174, 4, '24'), (174, 5, '23.976'), (174, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (174, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (174, 1, '128'), (174, 2, '96'), (174, 3, '160'), (174, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (174, 1, '44100'), (174, 2, '48000');

-- 15. Android Tablets

INSERT INTO type (ID, classid, typename) VALUES (83, 15, 'Android Tablet - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (83, 1, 'x264'), (83, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (83, 1, '1280x800'), (83, 2, '1024x600'), (83, 3, '1280x720'), (83, 4, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (83, 1, '2500'), (83, 2, '2000'), (83, 3, '3000'), (83, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (83, 1, '30'), (83, 2, '25'), (83, 3, '29.97'), (83, 4, '24'), (83, 5, '23.976'), (83, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (83, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (83, 1, '128'), (83, 2, '96'), (83, 3, '160'), (83, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (83, 1, '44100'), (83, 2, '48000'), (83, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (84, 15, 'Android Tablet - Full HD H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (84, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (84, 1, '1920x1080'), (84, 2, '1920x1200'), (84, 3, '1280x800'), (84, 4, '2560x1600');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (84, 1, '6000'), (84, 2, '5000'), (84, 3, '8000'), (84, 4, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (84, 1, '30'), (84, 2, '25'), (84, 3, '29.97'), (84, 4, '24'), (84, 5, '23.976'), (84, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (84, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (84, 1, '128'), (84, 2, '96'), (84, 3, '160'), (84, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (84, 1, '44100'), (84, 2, '48000'), (84, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (85, 15, 'Samsung Galaxy Tab - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (85, 1, 'x264'), (85, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (85, 1, '1280x800'), (85, 2, '1024x600'), (85, 3, '1920x1200'), (85, 4, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (85, 1, '2500'), (85, 2, '2000'), (85, 3, '4000'), (85, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (85, 1, '30'), (85, 2, '25'), (85, 3, '29.97'), (85, 4, '24'), (85, 5, '23.976'), (85, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (85, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (85, 1, '128'), (85, 2, '96'), (85, 3, '160'), (85, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (85, 1, '44100'), (85, 2, '48000'), (85, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (86, 15, 'Nexus Tablet - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (86, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (86, 1, '1280x800'), (86, 2, '1920x1200'), (86, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (86, 1, '3000'), (86, 2, '2500'), (86, 3, '5000'), (86, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (86, 1, '30'), (86, 2, '25'), (86, 3, '29.97'), (86, 4, '24'), (86, 5, '23.976'), (86, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (86, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (86, 1, '128'), (86, 2, '96'), (86, 3, '160'), (86, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (86, 1, '44100'), (86, 2, '48000'), (86, 3, '22050');

-- 16. Kindle and Other Tablets

INSERT INTO type (ID, classid, typename) VALUES (87, 16, 'Kindle Fire - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (87, 1, 'x264'), (87, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (87, 1, '1024x600'), (87, 2, '854x480'), (87, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (87, 1, '1500'), (87, 2, '1200'), (87, 3, '2000'), (87, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (87, 1, '30'), (87, 2, '25'), (87, 3, '29.97'), (87, 4, '24'), (87, 5, '23.976'), (87, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (87, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (87, 1, '128'), (87, 2, '96'), (87, 3, '160'), (87, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (87, 1, '44100'), (87, 2, '48000'), (87, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (88, 16, 'Kindle Fire HD - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (88, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (88, 1, '1280x800'), (88, 2, '1280x720'), (88, 3, '1920x1200'), (88, 4, '1024x600');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (88, 1, '2500'), (88, 2, '2000'), (88, 3, '4000'), (88, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (88, 1, '30'), (88, 2, '25'), (88, 3, '29.97'), (88, 4, '24'), (88, 5, '23.976'), (88, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (88, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (88, 1, '128'), (88, 2, '96'), (88, 3, '160'), (88, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (88, 1, '44100'), (88, 2, '48000'), (88, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (89, 16, 'Nook Tablet - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (89, 1, 'x264'), (89, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (89, 1, '1024x600'), (89, 2, '1280x720'), (89, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (89, 1, '1500'), (89, 2, '1200'), (89, 3, '2000'), (89, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (89, 1, '30'), (89, 2, '25'), (89, 3, '29.97'), (89, 4, '24'), (89, 5, '23.976'), (89, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (89, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (89, 1, '128'), (89, 2, '96'), (89, 3, '160'), (89, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (89, 1, '44100'), (89, 2, '48000'), (89, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (90, 16, 'Microsoft Surface - WMV Video (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (90, 1, 'WMV V9'), (90, 2, 'WMV V8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (90, 1, '1366x768'), (90, 2, '1280x720'), (90, 3, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (90, 1, '4000'), (90, 2, '3000'), (90, 3, '6000'), (90, 4, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (90, 1, '30'), (90, 2, '25'), (90, 3, '29.97'), (90, 4, '24'), (90, 5, '23.976'), (90, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (90, 1, 'WMA 9.2'), (90, 2, 'wmav1');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (90, 1, '192'), (90, 2, '128'), (90, 3, '160'), (90, 4, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (90, 1, '48000'), (90, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (91, 16, 'Microsoft Surface - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (91, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (91, 1, '1920x1080'), (91, 2, '1366x768'), (91, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (91, 1, '5000'), (91, 2, '4000'), (91, 3, '8000'), (91, 4, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (91, 1, '30'), (91, 2, '25'), (91, 3, '29.97'), (91, 4, '24'), (91, 5, '23.976'), (91, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (91, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (91, 1, '128'), (91, 2, '96'), (91, 3, '160'), (91, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (91, 1, '44100'), (91, 2, '48000'), (91, 3, '22050');

-- 17. iPod

INSERT INTO type (ID, classid, typename) VALUES (92, 17, 'iPod Classic - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (92, 1, 'x264'), (92, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (92, 1, '320x240'), (92, 2, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (92, 1, '768'), (92, 2, '600'), (92, 3, '1000'), (92, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (92, 1, '30'), (92, 2, '25'), (92, 3, '29.97'), (92, 4, '24'), (92, 5, '23.976'), (92, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (92, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (92, 1, '128'), (92, 2, '96'), (92, 3, '160'), (92, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (92, 1, '44100'), (92, 2, '48000'), (92, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (93, 17, 'iPod Classic - MPEG4 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (93, 1, 'mpeg4'), (93, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (93, 1, '320x240'), (93, 2, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (93, 1, '768'), (93, 2, '600'), (93, 3, '1000'), (93, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (93, 1, '30'), (93, 2, '25'), (93, 3, '29.97'), (93, 4, '24'), (93, 5, '23.976'), (93, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (93, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (93, 1, '128'), (93, 2, '96'), (93, 3, '160'), (93, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (93, 1, '44100'), (93, 2, '48000'), (93, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (94, 17, 'iPod Touch - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (94, 1, 'x264'), (94, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (94, 1, '480x320'), (94, 2, '960x640'), (94, 3, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (94, 1, '1000'), (94, 2, '800'), (94, 3, '1500'), (94, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (94, 1, '30'), (94, 2, '25'), (94, 3, '29.97'), (94, 4, '24'), (94, 5, '23.976'), (94, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (94, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (94, 1, '128'), (94, 2, '96'), (94, 3, '160'), (94, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (94, 1, '44100'), (94, 2, '48000'), (94, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (95, 17, 'iPod Touch 5 - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (95, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (95, 1, '1136x640'), (95, 2, '1280x720'), (95, 3, '960x640');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (95, 1, '2500'), (95, 2, '2000'), (95, 3, '3000'), (95, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (95, 1, '30'), (95, 2, '25'), (95, 3, '29.97'), (95, 4, '24'), (95, 5, '23.976'), (95, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (95, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (95, 1, '128'), (95, 2, '96'), (95, 3, '160'), (95, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (95, 1, '44100'), (95, 2, '48000'), (95, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (96, 17, 'iPod Nano - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (96, 1, 'x264'), (96, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (96, 1, '320x240'), (96, 2, '376x240'), (96, 3, '432x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (96, 1, '600'), (96, 2, '500'), (96, 3, '768');
INSERT INTO framerate (typeid, orders, framerate) VALUES (96, 1, '30'), (96, 2, '25'), (96, 3, '29.97'), (96, 4, '24'), (96, 5, '23.976'), (96, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (96, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (96, 1, '128'), (96, 2, '96'), (96, 3, '160'), (96, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (96, 1, '44100'), (96, 2, '48000'), (96, 3, '22050');

-- 18. Portable Media Players

INSERT INTO type (ID, classid, typename) VALUES (97, 18, 'Zune - WMV Video (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (97, 1, 'WMV V9'), (97, 2, 'WMV V8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (97, 1, '320x240'), (97, 2, '480x272'), (97, 3, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (97, 1, '768'), (97, 2, '600'), (97, 3, '1000'), (97, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (97, 1, '30'), (97, 2, '25'), (97, 3, '29.97'), (97, 4, '24'), (97, 5, '23.976'), (97, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (97, 1, 'WMA 9.2'), (97, 2, 'wmav1'), (97, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (97, 1, '128'), (97, 2, '96'), (97, 3, '160'), (97, 4, '192'), (97, 5, '64'), (97, 6, '48');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (97, 1, '44100'), (97, 2, '48000'), (97, 3, '32000'), (97, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (98, 18, 'Zune HD - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (98, 1, 'x264'), (98, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (98, 1, '480x272'), (98, 2, '720x480'), (98, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (98, 1, '1200'), (98, 2, '1000'), (98, 3, '1500'), (98, 4, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (98, 1, '30'), (98, 2, '25'), (98, 3, '29.97'), (98, 4, '24'), (98, 5, '23.976'), (98, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (98, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (98, 1, '128'), (98, 2, '96'), (98, 3, '160'), (98, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (98, 1, '44100'), (98, 2, '48000'), (98, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (99, 18, 'Creative Zen - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (99, 1, 'xvid'), (99, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (99, 1, '320x240'), (99, 2, '480x272'), (99, 3, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (99, 1, '768'), (99, 2, '600'), (99, 3, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (99, 1, '30'), (99, 2, '25'), (99, 3, '29.97'), (99, 4, '24'), (99, 5, '23.976'), (99, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (99, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (99, 1, '128'), (99, 2, '96'), (99, 3, '160');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (99, 1, '44100'), (99, 2, '48000');

INSERT INTO type (ID, classid, typename) VALUES (100, 18, 'SanDisk Sansa - AVI MPEG4 Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (100, 1, 'mpeg4'), (100, 2, 'xvid');
INSERT INTO videosize (typeid, orders, videosize) VALUES (100, 1, '220x176'), (100, 2, '320x240'), (100, 3, '176x144');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (100, 1, '384'), (100, 2, '256'), (100, 3, '512');
INSERT INTO framerate (typeid, orders, framerate) VALUES (100, 1, '20'), (100, 2, '15'), (100, 3, '25'), (100, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (100, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (100, 1, '128'), (100, 2, '96'), (100, 3, '160');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (100, 1, '44100'), (100, 2, '48000');

INSERT INTO type (ID, classid, typename) VALUES (101, 18, 'Archos - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (101, 1, 'xvid'), (101, 2, 'mpeg4'), (101, 3, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (101, 1, '720x480'), (101, 2, '800x480'), (101, 3, '854x480'), (101, 4, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (101, 1, '1500'), (101, 2, '1200'), (101, 3, '2000'), (101, 4, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (101, 1, '30'), (101, 2, '25'), (101, 3, '29.97'), (101, 4, '24'), (101, 5, '23.976'), (101, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (101, 1, 'mp3'), (101, 2, 'ac3'), (101, 3, 'mp2'), (101, 4, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (101, 1, '128'), (101, 2, '160'), (101, 3, '192'), (101, 4, '96'), (101, 5, '256'), (101, 6, '320'), (101, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (101, 1, '44100'), (101, 2, '48000'), (101, 3, '32000'), (101, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (102, 18, 'MP4 Player - Generic AVI Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (102, 1, 'xvid'), (102, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (102, 1, '320x240'), (102, 2, '160x128'), (102, 3, '176x144'), (102, 4, '220x176'), (102, 5, '480x272');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (102, 1, '512'), (102, 2, '384'), (102, 3, '256'), (102, 4, '768');
INSERT INTO framerate (typeid, orders, framerate) VALUES (102, 1, '20'), (102, 2, '15'), (102, 3, '25'), (102, 4, '24'), (102, 5, '12');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (102, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (102, 1, '128'), (102, 2, '96'), (102, 3, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (102, 1, '44100'), (102, 2, '22050');

-- 19. Sony PSP and PS Vita

INSERT INTO type (ID, classid, typename) VALUES (103, 19, 'PSP - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (103, 1, 'x264'), (103, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (103, 1, '480x272'), (103, 2, '320x240'), (103, 3, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (103, 1, '768'), (103, 2, '600'), (103, 3, '1000'), (103, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (103, 1, '29.97'), (103, 2, '25'), (103, 3, '23.976'), (103, 4, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (103, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (103, 1, '128'), (103, 2, '96'), (103, 3, '160');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (103, 1, '48000'), (103, 2, '44100'), (103, 3, '24000');

INSERT INTO type (ID, classid, typename) VALUES (104, 19, 'PSP - MPEG4 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (104, 1, 'mpeg4'), (104, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (104, 1, '320x240'), (104, 2, '480x272'), (104, 3, '368x208');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (104, 1, '768'), (104, 2, '600'), (104, 3, '1000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (104, 1, '29.97'), (104, 2, '25'), (104, 3, '23.976'), (104, 4, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (104, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (104, 1, '128'), (104, 2, '96'), (104, 3, '160');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (104, 1, '48000'), (104, 2, '44100'), (104, 3, '24000');

INSERT INTO type (ID, classid, typename) VALUES (105, 19, 'PSP - AVI Motion JPEG Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (105, 1, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (105, 1, '480x272'), (105, 2, '320x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (105, 1, '3000'), (105, 2, '2000'), (105, 3, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (105, 1, '29.97'), (105, 2, '25'), (105, 3, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (105, 1, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (105, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (105, 1, '44100'), (105, 2, '48000'), (105, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (106, 19, 'PS Vita - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (106, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (106, 1, '960x544'), (106, 2, '720x480'), (106, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (106, 1, '2500'), (106, 2, '2000'), (106, 3, '3000'), (106, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (106, 1, '29.97'), (106, 2, '25'), (106, 3, '30'), (106, 4, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (106, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (106, 1, '128'), (106, 2, '96'), (106, 3, '160'), (106, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (106, 1, '44100'), (106, 2, '48000'), (106, 3, '22050');

-- 20. PlayStation

INSERT INTO type (ID, classid, typename) VALUES (107, 20, 'PS3 - H264 HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (107, 1, 'x264'), (107, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (107, 1, '1280x720'), (107, 2, '1920x1080'), (107, 3, '720x480'), (107, 4, '720x576');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (107, 1, '5000'), (107, 2, '4000'), (107, 3, '8000'), (107, 4, '10000'), (107, 5, '2500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (107, 1, '25'), (107, 2, '29.97'), (107, 3, '30'), (107, 4, '23.976'), (107, 5, '24'), (107, 6, '50'), (107, 7, '59.94'), (107, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (107, 1, 'aac'), (107, 2, 'ac3'), (107, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (107, 1, '192'), (107, 2, '128'), (107, 3, '160'), (107, 4, '256'), (107, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (107, 1, '48000'), (107, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (108, 20, 'PS3 - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (108, 1, 'xvid'), (108, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (108, 1, '720x480'), (108, 2, '720x576'), (108, 3, '1280x720'), (108, 4, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (108, 1, '2500'), (108, 2, '2000'), (108, 3, '3000'), (108, 4, '4000'), (108, 5, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (108, 1, '30'), (108, 2, '25'), (108, 3, '29.97'), (108, 4, '24'), (108, 5, '23.976'), (108, 6, '15');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (108, 1, 'ac3'), (108, 2, 'mp3'), (108, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (108, 1, '192'), (108, 2, '128'), (108, 3, '160'), (108, 4, '256'), (108, 5, '384'), (108, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (108, 1, '48000'), (108, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (109, 20, 'PS3 - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (109, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (109, 1, '1920x1080'), (109, 2, '1280x720'), (109, 3, '720x480'), (109, 4, '720x576');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (109, 1, '10000'), (109, 2, '8000'), (109, 3, '15000'), (109, 4, '6000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (109, 1, '29.97'), (109, 2, '23.976'), (109, 3, '25'), (109, 4, '24'), (109, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (109, 1, 'mp2'), (109, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (109, 1, '192'), (109, 2, '128'), (109, 3, '224'), (109, 4, '256'), (109, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (109, 1, '48000'), (109, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (110, 20, 'PS4 - H264 Full HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (110, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (110, 1, '1920x1080'), (110, 2, '1280x720'), (110, 3, '3840x2160');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (110, 1, '8000'), (110, 2, '6000'), (110, 3, '10000'), (110, 4, '15000'), (110, 5, '20000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (110, 1, '25'), (110, 2, '29.97'), (110, 3, '30'), (110, 4, '23.976'), (110, 5, '24'), (110, 6, '50'), (110, 7, '59.94'), (110, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (110, 1, 'aac'), (110, 2, 'ac3'), (110, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (110, 1, '192'), (110, 2, '128'), (110, 3, '160'), (110, 4, '256'), (110, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (110, 1, '48000'), (110, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (111, 20, 'PS4 - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (111, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (111, 1, '1920x1080'), (111, 2, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (111, 1, '8000'), (111, 2, '6000'), (111, 3, '10000'), (111, 4, '15000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (111, 1, '25'), (111, 2, '29.97'), (111, 3, '30'), (111, 4, '23.976'), (111, 5, '24'), (111, 6, '50'), (111, 7, '59.94'), (111, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (111, 1, 'ac3'), (111, 2, 'aac'), (111, 3, 'mp3'), (111, 4, 'ogg'), (111, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (111, 1, '192'), (111, 2, '128'), (111, 3, '256'), (111, 4, '320'), (111, 5, '384'), (111, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (111, 1, '48000'), (111, 2, '44100');

-- 21. Xbox

INSERT INTO type (ID, classid, typename) VALUES (112, 21, 'Xbox 360 - WMV HD Video (*.wmv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (112, 1, 'WMV V9'), (112, 2, 'WMV V8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (112, 1, '1280x720'), (112, 2, '1920x1080'), (112, 3, '854x480'), (112, 4, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (112, 1, '6000'), (112, 2, '4000'), (112, 3, '8000'), (112, 4, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (112, 1, '29.97'), (112, 2, '30'), (112, 3, '25'), (112, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (112, 1, 'WMA 9.2'), (112, 2, 'wmav1');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (112, 1, '192'), (112, 2, '128'), (112, 3, '160'), (112, 4, '256');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (112, 1, '48000'), (112, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (113, 21, 'Xbox 360 - H264 HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (113, 1, 'x264'), (113, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (113, 1, '1280x720'), (113, 2, '1920x1080'), (113, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (113, 1, '5000'), (113, 2, '4000'), (113, 3, '8000'), (113, 4, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (113, 1, '29.97'), (113, 2, '30'), (113, 3, '25'), (113, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (113, 1, 'aac'), (113, 2, 'ac3'), (113, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (113, 1, '192'), (113, 2, '128'), (113, 3, '160'), (113, 4, '256'), (113, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (113, 1, '48000'), (113, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (114, 21, 'Xbox 360 - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (114, 1, 'xvid'), (114, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (114, 1, '720x480'), (114, 2, '640x480'), (114, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (114, 1, '2500'), (114, 2, '2000'), (114, 3, '3000'), (114, 4, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (114, 1, '29.97'), (114, 2, '30'), (114, 3, '25'), (114, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (114, 1, 'ac3'), (114, 2, 'mp3'), (114, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (114, 1, '192'), (114, 2, '128'), (114, 3, '160'), (114, 4, '256'), (114, 5, '384'), (114, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (114, 1, '48000'), (114, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (115, 21, 'Xbox One - H264 Full HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (115, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (115, 1, '1920x1080'), (115, 2, '1280x720'), (115, 3, '3840x2160');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (115, 1, '8000'), (115, 2, '6000'), (115, 3, '10000'), (115, 4, '15000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (115, 1, '25'), (115, 2, '29.97'), (115, 3, '30'), (115, 4, '23.976'), (115, 5, '24'), (115, 6, '50'), (115, 7, '59.94'), (115, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (115, 1, 'aac'), (115, 2, 'ac3'), (115, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (115, 1, '192'), (115, 2, '128'), (115, 3, '160'), (115, 4, '256'), (115, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (115, 1, '48000'), (115, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (116, 21, 'Xbox One - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (116, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (116, 1, '1920x1080'), (116, 2, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (116, 1, '8000'), (116, 2, '6000'), (116, 3, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (116, 1, '25'), (116, 2, '29.97'), (116, 3, '30'), (116, 4, '23.976'), (116, 5, '24'), (116, 6, '50'), (116, 7, '59.94'), (116, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (116, 1, 'ac3'), (116, 2, 'aac'), (116, 3, 'mp3'), (116, 4, 'ogg'), (116, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (116, 1, '192'), (116, 2, '128'), (116, 3, '256'), (116, 4, '320'), (116, 5, '384'), (116, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (116, 1, '48000'), (116, 2, '44100');

-- 22. Nintendo

INSERT INTO type (ID, classid, typename) VALUES (117, 22, 'Wii - AVI Motion JPEG Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (117, 1, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (117, 1, '640x480'), (117, 2, '512x384'), (117, 3, '320x240'), (117, 4, '848x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (117, 1, '4000'), (117, 2, '3000'), (117, 3, '5000'), (117, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (117, 1, '30'), (117, 2, '25'), (117, 3, '29.97'), (117, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (117, 1, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (117, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (117, 1, '44100'), (117, 2, '48000'), (117, 3, '32000');

INSERT INTO type (ID, classid, typename) VALUES (118, 22, 'Wii U - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (118, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (118, 1, '1280x720'), (118, 2, '854x480'), (118, 3, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (118, 1, '4000'), (118, 2, '3000'), (118, 3, '6000'), (118, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (118, 1, '30'), (118, 2, '29.97'), (118, 3, '25'), (118, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (118, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (118, 1, '128'), (118, 2, '96'), (118, 3, '160'), (118, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (118, 1, '44100'), (118, 2, '48000'), (118, 3, '22050');

INSERT INTO type (ID, classid, typename) VALUES (119, 22, 'Nintendo 3DS - AVI Motion JPEG Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (119, 1, 'mjpeg');
INSERT INTO videosize (typeid, orders, videosize) VALUES (119, 1, '400x240'), (119, 2, '320x240'), (119, 3, '480x240');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (119, 1, '2000'), (119, 2, '1500'), (119, 3, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (119, 1, '20'), (119, 2, '15'), (119, 3, '24'), (119, 4, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (119, 1, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (119, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (119, 1, '22050'), (119, 2, '32000'), (119, 3, '44100'), (119, 4, '16000');

INSERT INTO type (ID, classid, typename) VALUES (120, 22, 'Nintendo Switch - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (120, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (120, 1, '1280x720'), (120, 2, '1920x1080'), (120, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (120, 1, '4000'), (120, 2, '3000'), (120, 3, '6000'), (120, 4, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (120, 1, '30'), (120, 2, '29.97'), (120, 3, '25'), (120, 4, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (120, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (120, 1, '128'), (120, 2, '96'), (120, 3, '160'), (120, 4, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (120, 1, '44100'), (120, 2, '48000'), (120, 3, '22050');

-- 23. Samsung TV

INSERT INTO type (ID, classid, typename) VALUES (121, 23, 'Samsung TV - H264 Full HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (121, 1, 'x264'), (121, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (121, 1, '1920x1080'), (121, 2, '1280x720'), (121, 3, '3840x2160'), (121, 4, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (121, 1, '8000'), (121, 2, '6000'), (121, 3, '10000'), (121, 4, '15000'), (121, 5, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (121, 1, '25'), (121, 2, '29.97'), (121, 3, '30'), (121, 4, '23.976'), (121, 5, '24'), (121, 6, '50'), (121, 7, '59.94'), (121, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (121, 1, 'aac'), (121, 2, 'ac3'), (121, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (121, 1, '192'), (121, 2, '128'), (121, 3, '160'), (121, 4, '256'), (121, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (121, 1, '48000'), (121, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (122, 23, 'Samsung TV - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (122, 1, 'x264'), (122, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (122, 1, '1920x1080'), (122, 2, '1280x720'), (122, 3, '720x576'), (122, 4, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (122, 1, '8000'), (122, 2, '6000'), (122, 3, '10000'), (122, 4, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (122, 1, '25'), (122, 2, '29.97'), (122, 3, '30'), (122, 4, '23.976'), (122, 5, '24'), (122, 6, '50'), (122, 7, '59.94'), (122, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (122, 1, 'ac3'), (122, 2, 'aac'), (122, 3, 'mp3'), (122, 4, 'ogg'), (122, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (122, 1, '192'), (122, 2, '128'), (122, 3, '256'), (122, 4, '320'), (122, 5, '384'), (122, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (122, 1, '48000'), (122, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (123, 23, 'Samsung TV - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (123, 1, 'xvid'), (123, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (123, 1, '720x576'), (123, 2, '720x480'), (123, 3, '1280x720'), (123, 4, '640x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (123, 1, '2500'), (123, 2, '2000'), (123, 3, '4000'), (123, 4, '1500');
INSERT INTO framerate (typeid, orders, framerate) VALUES (123, 1, '25'), (123, 2, '29.97'), (123, 3, '30'), (123, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (123, 1, 'ac3'), (123, 2, 'mp3'), (123, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (123, 1, '192'), (123, 2, '128'), (123, 3, '160'), (123, 4, '256'), (123, 5, '384'), (123, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (123, 1, '48000'), (123, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (124, 23, 'Samsung TV - MPEG2 Transport Stream (*.ts)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (124, 1, 'mpeg2'), (124, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (124, 1, '1920x1080'), (124, 2, '1280x720'), (124, 3, '720x576'), (124, 4, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (124, 1, '10000'), (124, 2, '8000'), (124, 3, '15000'), (124, 4, '6000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (124, 1, '25'), (124, 2, '29.97'), (124, 3, '23.976'), (124, 4, '24'), (124, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (124, 1, 'ac3'), (124, 2, 'aac'), (124, 3, 'mp2'), (124, 4, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (124, 1, '192'), (124, 2, '128'), (124, 3, '224'), (124, 4, '256'), (124, 5, '384'), (124, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (124, 1, '48000'), (124, 2, '44100');

-- 24. LG TV

INSERT INTO type (ID, classid, typename) VALUES (125, 24, 'LG TV - H264 Full HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (125, 1, 'x264'), (125, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (125, 1, '1920x1080'), (125, 2, '1280x720'), (125, 3, '3840x2160');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (125, 1, '8000'), (125, 2, '6000'), (125, 3, '10000'), (125, 4, '15000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (125, 1, '25'), (125, 2, '29.97'), (125, 3, '30'), (125, 4, '23.976'), (125, 5, '24'), (125, 6, '50'), (125, 7, '59.94'), (125, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (125, 1, 'aac'), (125, 2, 'ac3'), (125, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (125, 1, '192'), (125, 2, '128'), (125, 3, '160'), (125, 4, '256'), (125, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (125, 1, '48000'), (125, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (126, 24, 'LG TV - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (126, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (126, 1, '1920x1080'), (126, 2, '1280x720'), (126, 3, '720x576');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (126, 1, '8000'), (126, 2, '6000'), (126, 3, '10000'), (126, 4, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (126, 1, '25'), (126, 2, '29.97'), (126, 3, '30'), (126, 4, '23.976'), (126, 5, '24'), (126, 6, '50'), (126, 7, '59.94'), (126, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (126, 1, 'ac3'), (126, 2, 'aac'), (126, 3, 'mp3'), (126, 4, 'ogg'), (126, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (126, 1, '192'), (126, 2, '128'), (126, 3, '256'), (126, 4, '320'), (126, 5, '384'), (126, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (126, 1, '48000'), (126, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (127, 24, 'LG TV - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (127, 1, 'xvid'), (127, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (127, 1, '720x576'), (127, 2, '720x480'), (127, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (127, 1, '2500'), (127, 2, '2000'), (127, 3, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (127, 1, '25'), (127, 2, '29.97'), (127, 3, '30'), (127, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (127, 1, 'ac3'), (127, 2, 'mp3'), (127, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (127, 1, '192'), (127, 2, '128'), (127, 3, '160'), (127, 4, '256'), (127, 5, '384'), (127, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (127, 1, '48000'), (127, 2, '44100');

-- 25. Sony TV

INSERT INTO type (ID, classid, typename) VALUES (128, 25, 'Sony Bravia - H264 Full HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (128, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (128, 1, '1920x1080'), (128, 2, '1280x720'), (128, 3, '3840x2160');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (128, 1, '8000'), (128, 2, '6000'), (128, 3, '10000'), (128, 4, '15000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (128, 1, '25'), (128, 2, '29.97'), (128, 3, '30'), (128, 4, '23.976'), (128, 5, '24'), (128, 6, '50'), (128, 7, '59.94'), (128, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (128, 1, 'aac'), (128, 2, 'ac3'), (128, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (128, 1, '192'), (128, 2, '128'), (128, 3, '160'), (128, 4, '256'), (128, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (128, 1, '48000'), (128, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (129, 25, 'Sony Bravia - MPEG2 Transport Stream (*.m2ts)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (129, 1, 'mpeg2'), (129, 2, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (129, 1, '1920x1080'), (129, 2, '1440x1080'), (129, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (129, 1, '15000'), (129, 2, '12000'), (129, 3, '18000'), (129, 4, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (129, 1, '29.97'), (129, 2, '25'), (129, 3, '23.976'), (129, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (129, 1, 'ac3'), (129, 2, 'aac'), (129, 3, 'mp2'), (129, 4, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (129, 1, '192'), (129, 2, '128'), (129, 3, '224'), (129, 4, '256'), (129, 5, '384'), (129, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (129, 1, '48000'), (129, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (130, 25, 'Sony Bravia - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (130, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (130, 1, '1920x1080'), (130, 2, '1280x720'), (130, 3, '720x576'), (130, 4, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (130, 1, '10000'), (130, 2, '8000'), (130, 3, '15000'), (130, 4, '6000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (130, 1, '25'), (130, 2, '29.97'), (130, 3, '23.976'), (130, 4, '24'), (130, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (130, 1, 'mp2'), (130, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (130, 1, '192'), (130, 2, '128'), (130, 3, '224'), (130, 4, '256'), (130, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (130, 1, '48000'), (130, 2, '44100');

-- 26. Other TVs

INSERT INTO type (ID, classid, typename) VALUES (131, 26, 'HDTV - H264 720p Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (131, 1, 'x264'), (131, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (131, 1, '1280x720'), (131, 2, '1920x1080'), (131, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (131, 1, '4000'), (131, 2, '3000'), (131, 3, '6000'), (131, 4, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (131, 1, '25'), (131, 2, '29.97'), (131, 3, '30'), (131, 4, '23.976'), (131, 5, '24'), (131, 6, '50'), (131, 7, '59.94'), (131, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (131, 1, 'aac'), (131, 2, 'ac3'), (131, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (131, 1, '192'), (131, 2, '128'), (131, 3, '160'), (131, 4, '256'), (131, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (131, 1, '48000'), (131, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (132, 26, 'HDTV - H264 1080p Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (132, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (132, 1, '1920x1080'), (132, 2, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (132, 1, '8000'), (132, 2, '6000'), (132, 3, '10000'), (132, 4, '15000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (132, 1, '25'), (132, 2, '29.97'), (132, 3, '30'), (132, 4, '23.976'), (132, 5, '24'), (132, 6, '50'), (132, 7, '59.94'), (132, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (132, 1, 'ac3'), (132, 2, 'aac'), (132, 3, 'mp3'), (132, 4, 'ogg'), (132, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (132, 1, '192'), (132, 2, '128'), (132, 3, '256'), (132, 4, '320'), (132, 5, '384'), (132, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (132, 1, '48000'), (132, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (133, 26, 'Panasonic Viera - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (133, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (133, 1, '1920x1080'), (133, 2, '1280x720'), (133, 3, '720x576');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (133, 1, '8000'), (133, 2, '6000'), (133, 3, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (133, 1, '25'), (133, 2, '29.97'), (133, 3, '30'), (133, 4, '23.976'), (133, 5, '24'), (133, 6, '50'), (133, 7, '59.94'), (133, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (133, 1, 'ac3'), (133, 2, 'aac'), (133, 3, 'mp3'), (133, 4, 'ogg'), (133, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (133, 1, '192'), (133, 2, '128'), (133, 3, '256'), (133, 4, '320'), (133, 5, '384'), (133, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (133, 1, '48000'), (133, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (134, 26, 'Philips TV - AVI XviD Video (*.avi)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (134, 1, 'xvid'), (134, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (134, 1, '720x576'), (134, 2, '720x480'), (134, 3, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (134, 1, '2500'), (134, 2, '2000'), (134, 3, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (134, 1, '25'), (134, 2, '29.97'), (134, 3, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (134, 1, 'ac3'), (134, 2, 'mp3'), (134, 3, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (134, 1, '192'), (134, 2, '128'), (134, 3, '160'), (134, 4, '256'), (134, 5, '384'), (134, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (134, 1, '48000'), (134, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (135, 26, 'Toshiba and Sharp TV - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (135, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (135, 1, '1920x1080'), (135, 2, '1280x720'), (135, 3, '720x576'), (135, 4, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (135, 1, '10000'), (135, 2, '8000'), (135, 3, '15000'), (135, 4, '6000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (135, 1, '25'), (135, 2, '29.97'), (135, 3, '23.976'), (135, 4, '24'), (135, 5, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (135, 1, 'mp2'), (135, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (135, 1, '192'), (135, 2, '128'), (135, 3, '224'), (135, 4, '256'), (135, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (135, 1, '48000'), (135, 2, '44100');

-- 27. Media Streamers

INSERT INTO type (ID, classid, typename) VALUES (136, 27, 'Apple TV - H264 HD Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (136, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (136, 1, '1280x720'), (136, 2, '1920x1080'), (136, 3, '960x540');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (136, 1, '5000'), (136, 2, '4000'), (136, 3, '8000'), (136, 4, '3000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (136, 1, '29.97'), (136, 2, '30'), (136, 3, '25'), (136, 4, '24'), (136, 5, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (136, 1, 'aac'), (136, 2, 'ac3'), (136, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (136, 1, '192'), (136, 2, '128'), (136, 3, '160'), (136, 4, '256'), (136, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (136, 1, '48000'), (136, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (137, 27, 'Apple TV - iTunes H264 Video (*.m4v)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (137, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (137, 1, '1920x1080'), (137, 2, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (137, 1, '8000'), (137, 2, '5000'), (137, 3, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (137, 1, '29.97'), (137, 2, '30'), (137, 3, '25'), (137, 4, '24'), (137, 5, '23.976');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (137, 1, 'aac'), (137, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (137, 1, '192'), (137, 2, '128'), (137, 3, '160'), (137, 4, '256'), (137, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (137, 1, '48000'), (137, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (138, 27, 'Roku - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (138, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (138, 1, '1280x720'), (138, 2, '1920x1080'), (138, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (138, 1, '4000'), (138, 2, '3000'), (138, 3, '6000'), (138, 4, '2000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (138, 1, '29.97'), (138, 2, '30'), (138, 3, '25'), (138, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (138, 1, 'aac'), (138, 2, 'ac3'), (138, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (138, 1, '192'), (138, 2, '128'), (138, 3, '160'), (138, 4, '256'), (138, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (138, 1, '48000'), (138, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (139, 27, 'Chromecast - H264 Video (*.mp4)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (139, 1, 'x264');
INSERT INTO videosize (typeid, orders, videosize) VALUES (139, 1, '1920x1080'), (139, 2, '1280x720');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (139, 1, '6000'), (139, 2, '4000'), (139, 3, '8000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (139, 1, '30'), (139, 2, '29.97'), (139, 3, '25'), (139, 4, '24'), (139, 5, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (139, 1, 'aac'), (139, 2, 'ac3'), (139, 3, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (139, 1, '192'), (139, 2, '128'), (139, 3, '160'), (139, 4, '256'), (139, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (139, 1, '48000'), (139, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (140, 27, 'Chromecast - WebM VP8 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (140, 1, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (140, 1, '1280x720'), (140, 2, '1920x1080'), (140, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (140, 1, '3000'), (140, 2, '2000'), (140, 3, '5000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (140, 1, '30'), (140, 2, '29.97'), (140, 3, '25'), (140, 4, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (140, 1, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (140, 1, '128'), (140, 2, '96'), (140, 3, '160'), (140, 4, '192'), (140, 5, '256'), (140, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (140, 1, '44100'), (140, 2, '48000'), (140, 3, '32000'), (140, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (141, 27, 'WD TV - MKV H264 Video (*.mkv)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (141, 1, 'x264'), (141, 2, 'mpeg4');
INSERT INTO videosize (typeid, orders, videosize) VALUES (141, 1, '1920x1080'), (141, 2, '1280x720'), (141, 3, '720x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (141, 1, '8000'), (141, 2, '6000'), (141, 3, '4000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (141, 1, '25'), (141, 2, '29.97'), (141, 3, '30'), (141, 4, '23.976'), (141, 5, '24'), (141, 6, '50'), (141, 7, '59.94'), (141, 8, '60');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (141, 1, 'ac3'), (141, 2, 'aac'), (141, 3, 'mp3'), (141, 4, 'ogg'), (141, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (141, 1, '192'), (141, 2, '128'), (141, 3, '256'), (141, 4, '320'), (141, 5, '384'), (141, 6, '448');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (141, 1, '48000'), (141, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (142, 27, 'TiVo - MPEG2 Video (*.mpg)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (142, 1, 'mpeg2');
INSERT INTO videosize (typeid, orders, videosize) VALUES (142, 1, '720x480'), (142, 2, '1280x720'), (142, 3, '1920x1080');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (142, 1, '6000'), (142, 2, '4000'), (142, 3, '8000'), (142, 4, '10000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (142, 1, '29.97'), (142, 2, '23.976'), (142, 3, '30');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (142, 1, 'mp2'), (142, 2, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (142, 1, '192'), (142, 2, '128'), (142, 3, '224'), (142, 4, '256'), (142, 5, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (142, 1, '48000'), (142, 2, '44100');

INSERT INTO type (ID, classid, typename) VALUES (175, 27, 'Chromecast - WebM VP9 Video (*.webm)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (175, 1, 'VP9'), (175, 2, 'vp8');
INSERT INTO videosize (typeid, orders, videosize) VALUES (175, 1, '1920x1080'), (175, 2, '1280x720'), (175, 3, '854x480');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (175, 1, '4000'), (175, 2, '2500'), (175, 3, '6000');
INSERT INTO framerate (typeid, orders, framerate) VALUES (175, 1, 'Original'), (175, 2, '25'), (175, 3, '29.97'), (175, 4, '30'), (175, 5, '24');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (175, 1, 'Opus'), (175, 2, 'ogg');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (175, 1, '128'), (175, 2, '96'), (175, 3, '160'), (175, 4, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (175, 1, '48000');

-- 28. Audio

INSERT INTO type (ID, classid, typename) VALUES (143, 28, 'MP3 - MPEG Layer-3 Audio (*.mp3)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (143, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (143, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (143, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (143, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (143, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (143, 1, '128'), (143, 2, '192'), (143, 3, '160'), (143, 4, '256'), (143, 5, '320'), (143, 6, '96'), (143, 7, '64'), (143, 8, '32');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (143, 1, '44100'), (143, 2, '48000'), (143, 3, '32000'), (143, 4, '22050'), (143, 5, '16000'), (143, 6, '11025');

INSERT INTO type (ID, classid, typename) VALUES (144, 28, 'MP3 - High Quality Audio (*.mp3)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (144, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (144, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (144, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (144, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (144, 1, 'mp3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (144, 1, '320'), (144, 2, '256'), (144, 3, '192');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (144, 1, '44100'), (144, 2, '48000');

INSERT INTO type (ID, classid, typename) VALUES (145, 28, 'AAC - Advanced Audio Coding (*.aac)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (145, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (145, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (145, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (145, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (145, 1, 'aac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (145, 1, '128'), (145, 2, '96'), (145, 3, '160'), (145, 4, '192'), (145, 5, '256'), (145, 6, '320'), (145, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (145, 1, '44100'), (145, 2, '48000'), (145, 3, '32000'), (145, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (146, 28, 'OGG - Vorbis Audio (*.oga)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (146, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (146, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (146, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (146, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (146, 1, 'ogg'), (146, 2, 'vorbis'), (146, 3, 'libvorbis');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (146, 1, '128'), (146, 2, '96'), (146, 3, '160'), (146, 4, '192'), (146, 5, '256'), (146, 6, '320'), (146, 7, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (146, 1, '44100'), (146, 2, '48000'), (146, 3, '32000'), (146, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (147, 28, 'WMA - Windows Media Audio in Matroska (*.mka)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (147, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (147, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (147, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (147, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (147, 1, 'WMA 9.2'), (147, 2, 'wmav1');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (147, 1, '128'), (147, 2, '96'), (147, 3, '160'), (147, 4, '192'), (147, 5, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (147, 1, '44100'), (147, 2, '48000'), (147, 3, '32000'), (147, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (148, 28, 'AC3 - Dolby Digital Audio (*.ac3)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (148, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (148, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (148, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (148, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (148, 1, 'ac3');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (148, 1, '192'), (148, 2, '128'), (148, 3, '224'), (148, 4, '256'), (148, 5, '384'), (148, 6, '448'), (148, 7, '640');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (148, 1, '48000'), (148, 2, '44100'), (148, 3, '32000');

INSERT INTO type (ID, classid, typename) VALUES (149, 28, 'MP2 - MPEG Layer-2 Audio (*.mp2)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (149, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (149, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (149, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (149, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (149, 1, 'mp2');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (149, 1, '192'), (149, 2, '128'), (149, 3, '160'), (149, 4, '224'), (149, 5, '256'), (149, 6, '320'), (149, 7, '384');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (149, 1, '44100'), (149, 2, '48000'), (149, 3, '32000');

INSERT INTO type (ID, classid, typename) VALUES (150, 28, 'MKA - Matroska Audio (*.mka)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (150, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (150, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (150, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (150, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (150, 1, 'ogg'), (150, 2, 'aac'), (150, 3, 'mp3'), (150, 4, 'ac3'), (150, 5, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (150, 1, '160'), (150, 2, '128'), (150, 3, '192'), (150, 4, '256'), (150, 5, '320');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (150, 1, '44100'), (150, 2, '48000');

INSERT INTO type (ID, classid, typename) VALUES (176, 28, 'Opus - Opus Audio (*.opus)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (176, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (176, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (176, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (176, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (176, 1, 'Opus');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (176, 1, '96'), (176, 2, '64'), (176, 3, '128'), (176, 4, '160'), (176, 5, '192'), (176, 6, '256'), (176, 7, '48'), (176, 8, '32');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (176, 1, '48000'), (176, 2, '24000'), (176, 3, '16000'), (176, 4, '12000'), (176, 5, '8000');

INSERT INTO type (ID, classid, typename) VALUES (177, 28, 'MKA - Opus in Matroska (*.mka)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (177, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (177, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (177, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (177, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (177, 1, 'Opus');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (177, 1, '128'), (177, 2, '96'), (177, 3, '160'), (177, 4, '192'), (177, 5, '256'), (177, 6, '64');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (177, 1, '48000'), (177, 2, '24000'), (177, 3, '16000');

-- 29. Lossless Audio

INSERT INTO type (ID, classid, typename) VALUES (151, 29, 'FLAC - Free Lossless Audio (*.flac)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (151, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (151, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (151, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (151, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (151, 1, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (151, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (151, 1, '44100'), (151, 2, '48000'), (151, 3, '88200'), (151, 4, '96000'), (151, 5, '32000'), (151, 6, '22050');

INSERT INTO type (ID, classid, typename) VALUES (152, 29, 'ALAC - Apple Lossless Audio (*.caf)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (152, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (152, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (152, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (152, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (152, 1, 'alac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (152, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (152, 1, '44100'), (152, 2, '48000'), (152, 3, '88200'), (152, 4, '96000');

INSERT INTO type (ID, classid, typename) VALUES (153, 29, 'WAV - PCM Audio (*.wav)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (153, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (153, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (153, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (153, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (153, 1, 'Original'), (153, 2, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (153, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (153, 1, '44100'), (153, 2, '48000'), (153, 3, '32000'), (153, 4, '22050'), (153, 5, '16000'), (153, 6, '11025'), (153, 7, '8000');

INSERT INTO type (ID, classid, typename) VALUES (154, 29, 'AIFF - Audio Interchange File Format (*.aiff)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (154, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (154, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (154, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (154, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (154, 1, 'pcm_s16be');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (154, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (154, 1, '44100'), (154, 2, '48000'), (154, 3, '32000'), (154, 4, '22050');

INSERT INTO type (ID, classid, typename) VALUES (155, 29, 'AU - Sun Audio (*.au)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (155, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (155, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (155, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (155, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (155, 1, 'pcm_s16be'), (155, 2, 'pcm');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (155, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (155, 1, '44100'), (155, 2, '48000'), (155, 3, '22050'), (155, 4, '8000');

INSERT INTO type (ID, classid, typename) VALUES (156, 29, 'MKA - FLAC in Matroska (*.mka)');
INSERT INTO videocodec (typeid, orders, videocodec) VALUES (156, 1, 'N/A');
INSERT INTO videosize (typeid, orders, videosize) VALUES (156, 1, 'N/A');
INSERT INTO videobitrate (typeid, orders, videobitrate) VALUES (156, 1, 'N/A');
INSERT INTO framerate (typeid, orders, framerate) VALUES (156, 1, 'N/A');
INSERT INTO audiocodec (typeid, orders, audiocodec) VALUES (156, 1, 'flac');
INSERT INTO audiobitrate (typeid, orders, audiobitrate) VALUES (156, 1, 'N/A');
INSERT INTO samplerate (typeid, orders, samplerate) VALUES (156, 1, '44100'), (156, 2, '48000'), (156, 3, '96000');

COMMIT;
