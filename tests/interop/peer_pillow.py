"""Pillow's side of the interoperability tests.

  png OUT MODE            the asymmetric source picture, MODE RGB or RGBA
  tga SRC OUT [rle] [top] [id]
                          SRC saved as TGA by Pillow: run-length encoded, top-left origin, with an image ID
  dump SRC OUT            the pixels Pillow reads from SRC, as RGBA bytes row by row from the top
  odd W H OUT MODE [rle] [top]
                          a W by H picture saved as TGA by Pillow, MODE RGB or RGBA
"""
import sys

from PIL import Image


def sample(mode):
    # Red follows x, green follows y, alpha mixes both: flips and channel swaps all show.
    image = Image.new("RGBA", (64, 64))
    image.putdata([((4 * x + 1) & 255, (4 * y + 2) & 255, (200 - x - y) & 255, (3 * x + 5 * y + 7) & 255)
                   for y in range(64) for x in range(64)])
    return image.convert(mode)


def odd(width, height, mode):
    # No two neighbours alike in any channel, and no symmetry, whatever the size.
    image = Image.new("RGBA", (width, height))
    image.putdata([((7 * x + 3 * y + 1) & 255, (x ^ (5 * y)) & 255, (200 - x + y) & 255, (x + 2 * y + 9) & 255)
                   for y in range(height) for x in range(width)])
    return image.convert(mode)


def tga_options(flags):
    options = {}
    if "rle" in flags:
        options["compression"] = "tga_rle"
    if "top" in flags:
        options["orientation"] = 1
    if "id" in flags:
        options["id_section"] = b"Corvanth test logo"
    return options


def main(argv):
    command = argv[1]
    if command == "png":
        sample(argv[3]).save(argv[2])
    elif command == "tga":
        Image.open(argv[2]).save(argv[3], **tga_options(set(argv[4:])))
    elif command == "odd":
        odd(int(argv[2]), int(argv[3]), argv[5]).save(argv[4], **tga_options(set(argv[6:])))
    elif command == "dump":
        with open(argv[3], "wb") as out:
            out.write(Image.open(argv[2]).convert("RGBA").tobytes())
    else:
        raise SystemExit("unknown command " + command)


if __name__ == "__main__":
    main(sys.argv)
