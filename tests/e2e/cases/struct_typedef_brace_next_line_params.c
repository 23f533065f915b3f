/* Decompression parameters */
typedef struct
{
    int image_width;    /* width in pixels */
    int image_height;   /* height in pixels */
    double gamma;
} jpeg_params;

typedef struct {
    unsigned char flags;
    unsigned short count;
}
HEADER_BITS;

jpeg_params defaults;
HEADER_BITS header;
