#!/usr/bin/python3
# Draws Samples/WorkshopMap's preview picture: /usr/bin/python3 make_preview.py <out.png> (needs PIL).
import math, random, sys
from PIL import Image, ImageDraw, ImageFilter, ImageFont

W, H = 512, 256
random.seed(7)
img = Image.new("RGB", (W, H))
d = ImageDraw.Draw(img)
# Dusk sky gradient.
for y in range(H):
    t = y / H
    d.line([(0, y), (W, y)], fill=(int(40 + 180 * t), int(30 + 90 * t), int(70 + 20 * t)))
# Sand floor (an ellipse seen at an angle) with rings.
cx, cy = W // 2, 170
for i, (rx, ry, col) in enumerate([(250, 90, (120, 84, 48)), (230, 80, (196, 160, 104)), (200, 68, (214, 178, 120)),
                                   (140, 46, (204, 168, 110)), (70, 22, (190, 150, 96))]):
    d.ellipse([cx - rx, cy - ry, cx + rx, cy + ry], fill=col)
# Sand grain.
for _ in range(2500):
    a = random.random() * 2 * math.pi
    r = math.sqrt(random.random())
    x, y = cx + r * 225 * math.cos(a), cy + r * 78 * math.sin(a)
    s = random.randint(-18, 18)
    d.point((x, y), fill=(200 + s, 165 + s, 108 + s))
# Arena wall: pillars around the rim, back ones first.
for k in range(18):
    a = math.pi + k * math.pi / 17
    x, y = cx + 236 * math.cos(a), cy + 84 * math.sin(a) - 8
    h = 70 + 20 * abs(math.sin(a))
    d.rectangle([x - 7, y - h, x + 7, y], fill=(88, 70, 62), outline=(48, 36, 34))
    d.rectangle([x - 10, y - h - 6, x + 10, y - h], fill=(110, 90, 80))
d.arc([cx - 236, cy - 84 - 78, cx + 236, cy + 84 - 78], 180, 360, fill=(70, 54, 48), width=5)
# Crates on the sand.
for (x, y, s) in [(150, 176, 26), (178, 186, 20), (352, 160, 24), (300, 206, 18), (232, 136, 16)]:
    d.polygon([(x, y - s), (x + s, y - s // 2), (x + s, y + s // 2), (x, y + s), (x - s, y + s // 2), (x - s, y - s // 2)], fill=(150, 98, 50), outline=(80, 50, 24))
    d.line([(x - s, y - s // 2), (x, y), (x + s, y - s // 2)], fill=(90, 56, 28), width=2)
    d.line([(x, y), (x, y + s)], fill=(90, 56, 28), width=2)
# A rock.
d.ellipse([380, 192, 430, 222], fill=(110, 110, 118), outline=(70, 70, 78))
img = img.filter(ImageFilter.SMOOTH)
d = ImageDraw.Draw(img)
font = ImageFont.truetype("/usr/share/fonts/truetype/roboto/unhinted/RobotoTTF/Roboto-Bold.ttf", 44)
d.text((22, 14), "ARENA", font=font, fill=(30, 20, 28))
d.text((20, 12), "ARENA", font=font, fill=(255, 236, 200))
img.save(sys.argv[1], optimize=True)
