/* Linker script of the language module: the image holds the resource section
   and nothing else. The default PE script would add an empty export directory
   (ld makes one for every DLL), the import list's zero terminator and the
   constructor-list markers in .text; a resource-only module wants none. */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .rsrc __image_base__ + (__section_alignment__ < 0x1000 ? . : __section_alignment__) :
  {
    *(.rsrc)
    *(SORT(.rsrc$*))
  }
  .reloc BLOCK(__section_alignment__) : { *(.reloc) }
  /DISCARD/ : { *(*) }
}
