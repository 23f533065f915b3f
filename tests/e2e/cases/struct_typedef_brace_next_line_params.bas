' Decompression parameters
TYPE jpeg_params
   image_width AS INTEGER                                  'width in pixels
   image_height AS INTEGER                                 'height in pixels
   gamma AS double
END TYPE

TYPE HEADER_BITS
   flags AS UCHAR
   count AS USHORT
END TYPE

GLOBAL defaults AS jpeg_params
GLOBAL header AS HEADER_BITS
