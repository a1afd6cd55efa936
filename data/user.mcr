[COUNT]	<IMG SRC="http://counter.example.com/count.cgi?page=index.html" ALT="Visitors">
[IM]	Plimo Image Mapper
[ORG]	Your Organisation
